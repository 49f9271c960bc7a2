#pragma once

#include "addins/IStartupAddin.h"

#include <QString>

#include <functional>

class ComponentSystem;
class XmlDoc;

// Runs the start-up add-ins configured under /configuration/system/plugins for one stage
// (100 before the database opens, 101 after login). context is what each add-in's Context gets;
// userName tells whether an operator is logged in (for the operation record).
// A failure to create or run an add-in ends the stage; start-up continues.
void RunStartupAddins(int stage, const XmlDoc& config, ComponentSystem& components,
                      const StartupAddinContext& context, const QString& userName);
