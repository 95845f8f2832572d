#pragma once

#include <QByteArray>
#include <QString>

// DES-ECB container of the product configuration files.
class uxConfigCipher
{
public:
    // The reader's buffer; files of this size or more are rejected.
    static constexpr int BufferSize = 65536;

    // The fixed key text; only its first 8 bytes make the DES key.
    static const char* keyText();

    // Deciphers nBlocks 8-byte blocks of buf in place. False, with buf untouched,
    // when buf is null or nBlocks is not positive.
    static bool decryptConfigFile(const char* key, unsigned char* buf, int nBlocks);
    static bool encryptConfigFile(const char* key, unsigned char* buf, int nBlocks);

    // Deciphers a whole ".info" file's bytes into text ending with terminator.
    // Empty when the data is BufferSize bytes or more.
    static QString decipherText(const QByteArray& fileBytes, const QString& terminator);
    // Enciphers text as a producer must: UTF-8, zero padded to whole blocks.
    static QByteArray encipherText(const QString& text);
};
