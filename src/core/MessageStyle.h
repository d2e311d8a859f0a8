#pragma once
// How a message is shown: its icon and buttons (the style word) and the
// button the user pressed. The logic chooses the style of a failure it
// reports; the window that tells it shows it with that style.

// Message style words.
enum MessageStyle : int {
    StyleInformation = 64,
    StyleExclamation = 48,
    StyleError = 16,
    StyleOkCancel = 49,          // exclamation, OK and Cancel
    StyleOkCancelDefault2 = 305, // exclamation, OK and Cancel, Cancel is the default
};
enum MessageResult : int { ResultOk = 1, ResultCancel = 2 };
