// The hand-over string a second start leaves in the shared segment: any
// bytes another process wrote there must decode safely.
#include "tests/fuzz/fuzzsupport.h"

#include "framework/core/uxhandoverslot.h"

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    Fuzz::setUp(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    bool ok = false;
    const QString text = uxHandoverSlot::deserialise(Fuzz::bytes(data, size), &ok);
    if (!ok && !text.isEmpty())
        __builtin_trap();
    // What decodes must survive being written again.
    if (ok && uxHandoverSlot::deserialise(uxHandoverSlot::serialise(text)) != text)
        __builtin_trap();
    return 0;
}
