// The kernel's mount table, read to find where a disc is mounted.
#include "tests/fuzz/fuzzsupport.h"

#include "platform/platformopticaldrives.h"

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    Fuzz::setUp(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray table = Fuzz::bytes(data, size);
    const QList<PlatformOpticalDrives::Mount> mounts = PlatformOpticalDrives::parseMountTable(table);
    if (mounts.size() > table.count('\n') + 1)
        __builtin_trap();
    return 0;
}
