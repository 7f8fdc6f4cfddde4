// A started window in a fresh program folder, for the shell's tests.
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <utility>

#include "app/Syori_01.h"
#include "tools/Headless.h"

// A record of len bytes: blanks, a line feed last, each text at its offset.
inline std::string Record(int len, std::initializer_list<std::pair<int, std::string>> texts = {}) {
    std::string r(static_cast<size_t>(len), ' ');
    r.back() = '\n';
    for (const auto& [offset, text] : texts) r.replace(static_cast<size_t>(offset), text.size(), text);
    return r;
}

class ShellTest : public ::testing::Test {
protected:
    THeadlessSession Session;

    // Preload files with WriteFile first, then Start.
    void Start() { ASSERT_TRUE(Session.Start()); }

    TForm_Syori_01& Form() { return *Session.Form(); }
    TControl* Control(const std::string& name) { return Session.Control(name); }
    TShape* Shape(const std::string& name) { return Session.ControlAs<TShape>(name); }
    TLabel* Label(const std::string& name) { return Session.ControlAs<TLabel>(name); }
    std::string Caption(const std::string& name) { return Session.TextOf(name).value_or("<none>"); }
    bool Visible(const std::string& name) { return Control(name) && Control(name)->Visible(); }

    // A stand-in for a control that a later screen creates.
    template <class T>
    T* StandIn(const std::string& name, const std::string& parent, int left = 10, int top = 10) {
        if (auto* existing = Session.ControlAs<T>(name)) return existing;
        T* c = Form().template Create<T>(name, Control(parent));
        c->SetBounds(left, top, 60, 20);
        return c;
    }
};
