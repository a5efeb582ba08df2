#pragma once

namespace krivol {

class EditorWindow;

// The editor's menus and tool bars, every action with its key, from one table.
void buildEditorActions(EditorWindow& window);

}  // namespace krivol
