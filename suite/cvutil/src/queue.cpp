// Doubly linked queues in the manner of insque/remque, which the Windows C library lacks.
#include "cvutil.h"

namespace {
struct Link {
    Link *next;
    Link *prev;
};
} // namespace

extern "C" void _CVinsque(void *element, void *predecessor)
{
    Link *e = static_cast<Link *>(element);
    Link *p = static_cast<Link *>(predecessor);
    if (p == nullptr) {
        // The first element of a linear list.
        e->next = e->prev = nullptr;
        return;
    }
    e->next = p->next;
    e->prev = p;
    p->next = e;
    if (e->next != nullptr) {
        e->next->prev = e;
    }
}

extern "C" void _CVremque(void *element)
{
    Link *e = static_cast<Link *>(element);
    if (e->next != nullptr) {
        e->next->prev = e->prev;
    }
    if (e->prev != nullptr) {
        e->prev->next = e->next;
    }
}
