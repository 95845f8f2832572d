#include "entry/aentry.h"

#include "entry/startup.h"

extern "C" int a_entry(int argc, char** argv)
{
    Startup startup(argc, argv);
    return startup.run();
}
