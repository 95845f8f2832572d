#pragma once

#include <QCoreApplication>
#include <QString>

// Why a location handed to the player cannot even be tried, and how a failed
// open is worded. Every open either plays or ends in one message that names
// the location and the reason, so nothing the user asked for vanishes.
class OpenProblem
{
    Q_DECLARE_TR_FUNCTIONS(OpenProblem)
public:
    // The reason a non-empty path is neither a readable file nor a folder;
    // empty when the player may try it.
    static QString reason(const QString& path);
    // The whole message: the location (shortened when very long) and the reason.
    static QString message(const QString& path, const QString& reason);

private:
    static QString linkReason(const QString& path);
};
