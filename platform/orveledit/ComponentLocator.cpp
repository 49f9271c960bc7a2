#include "ComponentLocator.h"

#include "component/ComponentSystem.h"
#include "database/Database.h"
#include "system/AppSystem.h"

QString ComponentLocator::Identifier(AppSystem* system, int program, QString* error)
{
    Database* db = system ? system->Database() : nullptr;
    if (!db) {
        *error = QStringLiteral("no database to look up program %1").arg(program);
        return {};
    }
    const QVariant value =
        db->Execute(QStringLiteral("select ClassName from xt_objects where ProgID=%1").arg(program), 1).Value();
    if (!db->LastError().IsEmpty()) {
        *error = db->LastError().Message;
        db->ClearError();
        return {};
    }
    const QString identifier = value.toString().trimmed();
    if (identifier.isEmpty())
        *error = QStringLiteral("no component is paired with program %1").arg(program);
    return identifier;
}

std::unique_ptr<QObject> ComponentLocator::Create(AppSystem* system, int program, QString* error)
{
    const QString identifier = Identifier(system, program, error);
    if (identifier.isEmpty())
        return nullptr;
    // Registered libraries are found from the program folder of the session.
    ComponentSystem components(system->AppInfo().AppPath);
    std::unique_ptr<QObject> component = components.CreateObject(identifier);
    if (!component)
        *error = components.LastError();
    return component;
}
