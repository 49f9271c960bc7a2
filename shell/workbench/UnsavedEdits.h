#pragma once

class EmbeddedHost;

// Asks whether the host's unsaved edits are to be saved: true when the host may go (saved, or
// the operator chose not to save), false when the operator cancelled or the save failed.
// A host without unsaved edits may always go.
bool ConfirmUnsavedEdits(EmbeddedHost* host);
