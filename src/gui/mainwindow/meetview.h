// MeetView: what every window that shows the open meet offers the main window,
// so that one refresh reaches them all.
#pragma once

// A window over the open meet. Its changes to the meet end with
// TForm1::MeetChanged; the main window then reloads every view.
class MeetView {
public:
    virtual ~MeetView() = default;
    // Shows the meet anew (refresh all, and after undo or redo, when every
    // crew, draw and race of the meet is a new object: a view looks them up
    // again by id, key or number and keeps no pointer into the meet).
    virtual void ReloadFromMeet() = 0;
    // Another meet was opened or created, or the meet was closed: the view
    // forgets what it held of the old one (an editor closes).
    virtual void MeetReplaced() = 0;
};
