#include "ui/workspace/editor_workspace.h"

#include "ui/child_frame.h"

namespace tarvo::ui {

document::CS1_Doc* EditorWorkspace::activeDocument() const
{
    CS1_ChildFrame* frame = activeFrame();
    return frame != nullptr ? &frame->document() : nullptr;
}

} // namespace tarvo::ui
