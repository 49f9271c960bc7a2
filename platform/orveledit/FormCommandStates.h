#pragma once

#include "HostCommand.h"

// Editing state of the form an entry-form host shows.
enum class FormState { Browse, New, Edit };

// Whether the entry-form host offers command in state. audited: the shown document is audited
// (Check is offered when it is not, UnCheck when it is).
// Browse: everything but save and cancel. New and edit: save, cancel, navigation (which asks
// about unsaved edits first) and close.
bool FormCommandEnabled(HostCommand command, FormState state, bool audited);
