// Binds the document editor's header and description-cell handlers to their
// controls.
#pragma once

class TForm;

void Editor_BindHandlers(TForm& form);
