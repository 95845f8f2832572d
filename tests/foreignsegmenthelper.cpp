// Plays another local user on the machine's System V segments: it creates a
// segment anybody may use under a given key, or tries to use an existing one.
// It runs under that other user's uid, so it links nothing but the C library.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <sys/ipc.h>
#include <sys/shm.h>

namespace {

std::string fromHex(const char* hex)
{
    std::string bytes;
    for (size_t i = 0; hex[i] && hex[i + 1]; i += 2)
        bytes += char(std::strtol(std::string(hex + i, 2).c_str(), nullptr, 16));
    return bytes;
}

// Exit codes: 0 done, 2 refused by the system, 64 usage.
int create(key_t key, size_t size, const std::string& bytes)
{
    const int id = shmget(key, size, IPC_CREAT | IPC_EXCL | 0666);
    if (id == -1)
        return 2;
    void* data = shmat(id, nullptr, 0);
    if (data == reinterpret_cast<void*>(-1))
        return 2;
    std::memcpy(data, bytes.data(), bytes.size() < size ? bytes.size() : size);
    shmdt(data);
    return 0;
}

int attach(key_t key)
{
    const int id = shmget(key, 0, 0);
    if (id == -1)
        return 2;
    void* data = shmat(id, nullptr, SHM_RDONLY);
    if (data == reinterpret_cast<void*>(-1))
        return 2;
    shmdt(data);
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 3)
        return 64;
    const key_t key = key_t(std::strtol(argv[2], nullptr, 10));
    if (std::strcmp(argv[1], "create") == 0 && argc == 5)
        return create(key, size_t(std::atoi(argv[3])), fromHex(argv[4]));
    if (std::strcmp(argv[1], "attach") == 0)
        return attach(key);
    return 64;
}
