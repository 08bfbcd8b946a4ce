// CMenu and its handle map.
#include "afximpl.h"

namespace {
HandleMap<HMENU, CMenu> &menuMap()
{
    static HandleMap<HMENU, CMenu> map([](HMENU h) { return ::IsMenu(h) != FALSE; },
                                       [](CMenu *m) {
                                           m->m_hMenu = nullptr;
                                           delete m;
                                       });
    return map;
}
} // namespace

IMPLEMENT_DYNAMIC(CMenu, CObject)

CMenu::~CMenu()
{
    DestroyMenu();
}

CMenu *CMenu::FromHandle(HMENU hMenu)
{
    return menuMap().fromHandle(hMenu, [](HMENU h) {
        auto *m = new CMenu;
        m->m_hMenu = h;
        return m;
    });
}

void CMenu::DeleteTempMap()
{
    menuMap().deleteTemporaries();
}

BOOL CMenu::Attach(HMENU hMenu)
{
    if (hMenu == nullptr || m_hMenu != nullptr) {
        return FALSE;
    }
    menuMap().setPermanent(hMenu, this);
    m_hMenu = hMenu;
    return TRUE;
}

HMENU CMenu::Detach()
{
    HMENU h = m_hMenu;
    if (h != nullptr) {
        menuMap().removePermanent(h, this);
    }
    m_hMenu = nullptr;
    return h;
}

BOOL CMenu::DestroyMenu()
{
    HMENU h = Detach();
    return h != nullptr && ::DestroyMenu(h);
}
