#include "framework/core/uxconfigcipher.h"

#include <QStringList>
#include <nettle/des.h>

#include <cstring>

namespace {

bool cryptBlocks(const char* key, unsigned char* buf, int nBlocks, bool decrypt)
{
    if (!buf || !key || nBlocks <= 0)
        return false;
    des_ctx ctx;
    // The key's parity bits are ignored, as the container format requires.
    des_set_key(&ctx, reinterpret_cast<const uint8_t*>(key));
    const size_t length = size_t(nBlocks) * DES_BLOCK_SIZE;
    if (decrypt)
        des_decrypt(&ctx, length, buf, buf);
    else
        des_encrypt(&ctx, length, buf, buf);
    return true;
}

} // namespace

const char* uxConfigCipher::keyText()
{
    return "Vq3#Lm8!Tz4*Rw9_Hd2^Ny6%";
}

bool uxConfigCipher::decryptConfigFile(const char* key, unsigned char* buf, int nBlocks)
{
    return cryptBlocks(key, buf, nBlocks, true);
}

bool uxConfigCipher::encryptConfigFile(const char* key, unsigned char* buf, int nBlocks)
{
    return cryptBlocks(key, buf, nBlocks, false);
}

QString uxConfigCipher::decipherText(const QByteArray& fileBytes, const QString& terminator)
{
    // A file that fills the whole buffer leaves no zero byte to end the text.
    if (fileBytes.size() >= BufferSize)
        return QString();
    QByteArray buffer(BufferSize, '\0');
    std::memcpy(buffer.data(), fileBytes.constData(), size_t(fileBytes.size()));
    const int blocks = int((fileBytes.size() + 7) / 8);
    QString text;
    if (blocks > 0) {
        decryptConfigFile(keyText(), reinterpret_cast<unsigned char*>(buffer.data()), blocks);
        const qsizetype end = buffer.indexOf('\0');
        text = QString::fromUtf8(buffer.constData(), end < 0 ? buffer.size() : end);
    }
    if (text.endsWith(terminator))
        return text;
    return text.split(terminator, Qt::KeepEmptyParts).first() + terminator;
}

QByteArray uxConfigCipher::encipherText(const QString& text)
{
    QByteArray bytes = text.toUtf8();
    const int padded = int((bytes.size() + 7) / 8 * 8);
    bytes.append(QByteArray(padded - bytes.size(), '\0'));
    encryptConfigFile(keyText(), reinterpret_cast<unsigned char*>(bytes.data()), padded / 8);
    return bytes;
}
