#pragma once

#if defined(_WIN32)
#define KESTREL_EXPORT __declspec(dllexport)
#else
#define KESTREL_EXPORT __attribute__((visibility("default")))
#endif

// Runs the whole application on the Qt application object that the host created.
extern "C" KESTREL_EXPORT int a_entry(int argc, char** argv);
