#pragma once
// The main window's title, kept in step with the document.
namespace velmo {

// "Velmo 2 - name" at once.
void SetTitle(const char* name);

// SetTitle with the untitled document's name (string 8).
void SetUntitledTitle();

// After every caret notification: the plain title, or "* " + plain title
// while the document holds unsaved changes.
void UpdateTitle();

}  // namespace velmo
