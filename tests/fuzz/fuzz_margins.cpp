// The margin texts skins write ("top,right,bottom,left" and shorter lists).
#include "tests/fuzz/fuzzsupport.h"

#include "framework/core/uxmargins.h"

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    Fuzz::setUp(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text = QString::fromUtf8(Fuzz::bytes(data, size));
    uxMargins margins;
    if (margins.readText(text)) {
        // What was read must read back the same.
        uxMargins again;
        if (!again.readText(margins.toText()) || again.top != margins.top
            || again.right != margins.right || again.bottom != margins.bottom
            || again.left != margins.left)
            __builtin_trap();
    }
    for (int count = 1; count <= 6; ++count) {
        const QList<int> numbers = uxMargins::readNumbers(text, count);
        if (!numbers.isEmpty() && numbers.size() != count)
            __builtin_trap();
    }
    return 0;
}
