// Host names through the system resolver.
#include "cvsnmp.h"

#include <cstring>
#ifdef _WIN32
#include <winsock2.h>
#include <ws2tcpip.h>
#else
#include <arpa/inet.h>
#include <netdb.h>
#include <sys/socket.h>
#endif

namespace {

void copyText(char *to, size_t size, const char *from)
{
    size_t n = std::strlen(from);
    if (n >= size) {
        n = size - 1;
    }
    std::memcpy(to, from, n);
    to[n] = '\0';
}

} // namespace

extern "C" int CVsnmpHostAddress(const char *name, CVsnmpHost *host)
{
    if (name == nullptr || *name == '\0' || host == nullptr) {
        return -1;
    }
#ifdef _WIN32
    WSADATA wsa;
    if (WSAStartup(MAKEWORD(2, 2), &wsa) != 0) {
        return -1;
    }
#endif
    struct addrinfo hints;
    std::memset(&hints, 0, sizeof hints);
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    hints.ai_flags = AI_CANONNAME;
    struct addrinfo *result = nullptr;
    int status = getaddrinfo(name, nullptr, &hints, &result);
    int rc = -1;
    if (status == 0 && result != nullptr) {
        // IPv4 first: the map and the node lists speak IPv4.
        struct addrinfo *pick = result;
        for (struct addrinfo *a = result; a != nullptr; a = a->ai_next) {
            if (a->ai_family == AF_INET) {
                pick = a;
                break;
            }
        }
        std::memset(host, 0, sizeof *host);
        copyText(host->name, sizeof host->name,
                 result->ai_canonname != nullptr ? result->ai_canonname : name);
        const void *address = nullptr;
        if (pick->ai_family == AF_INET) {
            address = &reinterpret_cast<struct sockaddr_in *>(pick->ai_addr)->sin_addr;
            host->family = 4;
        } else if (pick->ai_family == AF_INET6) {
            address = &reinterpret_cast<struct sockaddr_in6 *>(pick->ai_addr)->sin6_addr;
            host->family = 6;
        }
        if (address != nullptr &&
            inet_ntop(pick->ai_family, const_cast<void *>(address), host->address,
                      sizeof host->address) != nullptr) {
            rc = 0;
        }
    }
    if (result != nullptr) {
        freeaddrinfo(result);
    }
#ifdef _WIN32
    WSACleanup();
#endif
    return rc;
}
