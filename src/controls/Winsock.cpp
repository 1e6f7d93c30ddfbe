#include "controls/Winsock.h"

namespace tornavel {
namespace {

// The error that stopped a load; never 0, which would mean ready.
int LoadFailure(DWORD fallback) {
    const DWORD code = ::GetLastError();
    return static_cast<int>(code != 0 ? code : fallback);
}

// Loads the library and its functions, then starts it; stops and lets it go
// when the process ends.
class WinsockLibrary {
  public:
    WinsockLibrary()
        // The exe's folder belongs to another program: System32 only.
        : module_(::LoadLibraryExW(L"ws2_32.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32)) {
        if (!module_) {
            loaded_.error = LoadFailure(ERROR_MOD_NOT_FOUND);
            return;
        }
        WinsockFunctions& f = loaded_.call;
        const bool found = Find(f.startup, "WSAStartup") && Find(f.cleanup, "WSACleanup") &&
                           Find(f.lastError, "WSAGetLastError") && Find(f.ioctl, "WSAIoctl") &&
                           Find(f.getAddrInfo, "GetAddrInfoW") &&
                           Find(f.freeAddrInfo, "FreeAddrInfoW") && Find(f.socket, "socket") &&
                           Find(f.closeSocket, "closesocket") && Find(f.sendTo, "sendto");
        if (!found) {
            loaded_.error = LoadFailure(ERROR_PROC_NOT_FOUND);
            return;
        }
        WSADATA data{};
        // WSAStartup answers with its error: WSAGetLastError means nothing then.
        loaded_.error = f.startup(MAKEWORD(2, 2), &data);
        started_ = loaded_.error == 0;
    }
    ~WinsockLibrary() {
        if (started_) loaded_.call.cleanup();
    }
    WinsockLibrary(const WinsockLibrary&) = delete;
    WinsockLibrary& operator=(const WinsockLibrary&) = delete;

    const Winsock& Loaded() const noexcept { return loaded_; }

  private:
    template <typename Function>
    bool Find(Function& function, const char* name) {
        function = reinterpret_cast<Function>(
            reinterpret_cast<void*>(::GetProcAddress(module_.Get(), name)));
        return function != nullptr;
    }

    UniqueModule module_;
    Winsock loaded_;
    bool started_ = false;
};

}  // namespace

const Winsock& LoadedWinsock() {
    static const WinsockLibrary library;
    return library.Loaded();
}

}  // namespace tornavel
