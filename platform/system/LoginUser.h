#pragma once

#include <QString>

// One operator of the user directory (LoginSession::Users).
struct LoginUser {
    QString UserID;
    QString UserName;
};
