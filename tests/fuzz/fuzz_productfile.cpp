// The product files: deciphering a damaged file and reading the product and
// extension records out of whatever text comes back.
#include "tests/fuzz/fuzzsupport.h"

#include "framework/core/uxconfigcipher.h"
#include "framework/core/uxproductinfo.h"

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    Fuzz::setUp(argc, argv);
    return 0;
}

// The first byte chooses the reader: enciphered or plain, product or extension.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 1)
        return 0;
    const QByteArray input = Fuzz::bytes(data + 1, size - 1);
    const bool enciphered = (data[0] & 1) == 0;
    const bool extension = (data[0] & 2) != 0;
    const QString terminator = extension ? QStringLiteral("</Extend>") : QStringLiteral("</Config>");
    const QString text = enciphered ? uxConfigCipher::decipherText(input, terminator)
                                     : QString::fromUtf8(input);
    uxProductInfo* info = uxProductInfo::instance();
    if (extension)
        info->loadExtend(text);
    else
        info->loadConfig(text);
    // What the rest of the program asks of a product once it is read.
    volatile qsizetype used = info->name().size() + info->guid().size() + info->yearText().size()
                              + info->displayName().size() + info->homePage().size()
                              + info->localeManual().size() + info->defaultSkin().size()
                              + info->extendParam(QStringLiteral("enableVideoInput")).size();
    (void)used;
    info->isSupportAutoUpdate();
    uxProductInfo::deleteInstance();
    return 0;
}
