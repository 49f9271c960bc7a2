#pragma once

#include "FakeForm.h"

// A fake entry form without audit support: Attributes answers the empty text for every name.
class FakeFormNoAudit : public FakeForm {
public:
    using FakeForm::FakeForm;
    QString Attributes(const QString& /*psName*/) const override { return {}; }
};
