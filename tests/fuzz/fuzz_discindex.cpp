// The disc index whose hash keys a disc's resume point, read from a folder
// that may hold anything under that name.
#include "tests/fuzz/fuzzsupport.h"

#include "player/discs/discindex.h"

#include <QDir>
#include <QFile>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    Fuzz::setUp(argc, argv);
    QDir().mkpath(Fuzz::home().path() + "/disc/BDMV");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString root = Fuzz::home().path() + "/disc/";
    QFile index(root + "BDMV/index.bdmv");
    if (!index.open(QIODevice::WriteOnly | QIODevice::Truncate))
        __builtin_trap();
    index.write(Fuzz::bytes(data, size));
    index.close();
    const QString hash = DiscIndex::hash(root);
    // Every readable index gives a key, and the same bytes the same one.
    if (hash.size() != 40 || hash != DiscIndex::hash(root))
        __builtin_trap();
    return 0;
}
