#pragma once

#include <QString>
#include <QVariantList>

// Extra toolbar tools of a form.
class IFormToolUI {
public:
    virtual ~IFormToolUI() = default;

    // Tool definitions, one variant each; empty when the form has none.
    virtual QVariantList Tools() const = 0;
    virtual bool Action(const QString& psKey) = 0;
};
