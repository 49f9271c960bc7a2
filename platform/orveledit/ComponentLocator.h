#pragma once

#include <QObject>
#include <QString>

#include <memory>

class AppSystem;

// Finds and creates the business component of a program: the column ClassName of the program's
// row in xt_objects names its programmatic identifier, which the component system creates.
class ComponentLocator {
public:
    // The identifier paired with program; empty with *error set when there is none.
    static QString Identifier(AppSystem* system, int program, QString* error);
    // The new component, owned by the caller; nullptr with *error set on any failure.
    static std::unique_ptr<QObject> Create(AppSystem* system, int program, QString* error);
};
