#pragma once

class wxTopLevelWindow;

// Makes the keys that press a dialog's buttons and boxes (Enter, and Alt with
// a mnemonic letter) act at once, in the order they were typed. GTK defers a
// click made with the keyboard by a quarter of a second and drops it when
// another such click or the dialog's closing comes first, so that Enter and
// then Alt+C, typed quickly, closed the dialog without the search that Enter
// started. Escape stays with the dialog's own handling.
void MakeKeysActAtOnce(wxTopLevelWindow& dialog);
