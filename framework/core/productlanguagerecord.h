#pragma once

#include <QString>

// The product's names, addresses and manuals for one language.
struct ProductLanguageRecord
{
    QString name;
    QString description;
    QString homePage;
    QString productUrl;
    QString salesEMail;
    QString supportUrl;
    QString supportEMail;
    QString onlineManual;
    QString localeManual;
    QString updateUrl;
    QString facebookUrl;
    bool onlineManualEnabled = false;
    bool localeManualEnabled = false;
};
