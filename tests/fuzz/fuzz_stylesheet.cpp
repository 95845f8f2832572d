// The style-sheet scaler: "{{N}}" markers multiplied by the screen's factor.
#include "tests/fuzz/fuzzsupport.h"

#include "framework/core/uxsrcmgr.h"

#include <cstring>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    Fuzz::setUp(argc, argv);
    return 0;
}

// The first eight bytes are the factor, as the bits of a double (so the
// fuzzer reaches infinities, NaN and huge values as well as ordinary ones).
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    double factor = 1.0;
    if (size >= sizeof factor) {
        std::memcpy(&factor, data, sizeof factor);
        data += sizeof factor;
        size -= sizeof factor;
    }
    const QString text = QString::fromUtf8(Fuzz::bytes(data, size));
    const QString scaled = uxSrcMgr::scaleStyleSheet(text, factor);
    // A sheet without markers passes through as it is.
    if (!text.contains(QStringLiteral("{{")) && scaled != text)
        __builtin_trap();
    return 0;
}
