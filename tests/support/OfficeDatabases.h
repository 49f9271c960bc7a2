#pragma once

#include "database/Database.h"
#include "schema/OfficeDatabase.h"
#include "schema/StandardData.h"

#include <gtest/gtest.h>

// Creates the tables and standard rows of a new office (init-db without demo notes) in the
// database that where describes, opening db on it. The standard operator is "admin".
inline void CreateOffice(Database& db, const ConnectionSettings& where, const QString& adminPassword)
{
    QString error;
    ASSERT_TRUE(OfficeDatabase::Create(db, where, true, &error)) << error.toStdString();
    ASSERT_TRUE(StandardData::Fill(db, QStringLiteral("admin"), adminPassword, &error)) << error.toStdString();
}
