// CPtrArray: one block, grown geometrically so that appends stay cheap.
#include "afxcoll.h"

#include <cstdlib>
#include <cstring>

IMPLEMENT_DYNAMIC(CPtrArray, CObject)

CPtrArray::~CPtrArray()
{
    free(m_pData);
}

BOOL CPtrArray::grow(INT_PTR nMinSize)
{
    if (nMinSize <= m_nMaxSize) {
        return TRUE;
    }
    INT_PTR nNewMax = m_nMaxSize < 8 ? 8 : m_nMaxSize * 2;
    if (nNewMax < nMinSize) {
        nNewMax = nMinSize;
    }
    auto **p = static_cast<void **>(realloc(m_pData, sizeof(void *) * static_cast<size_t>(nNewMax)));
    if (p == nullptr) {
        return FALSE;
    }
    m_pData = p;
    m_nMaxSize = nNewMax;
    return TRUE;
}

BOOL CPtrArray::SetSize(INT_PTR nNewSize)
{
    if (nNewSize < 0 || !grow(nNewSize)) {
        return FALSE;
    }
    if (nNewSize > m_nSize) {
        memset(m_pData + m_nSize, 0, sizeof(void *) * static_cast<size_t>(nNewSize - m_nSize));
    }
    m_nSize = nNewSize;
    return TRUE;
}

INT_PTR CPtrArray::Add(void *newElement)
{
    if (!grow(m_nSize + 1)) {
        return -1;
    }
    m_pData[m_nSize] = newElement;
    return m_nSize++;
}

BOOL CPtrArray::InsertAt(INT_PTR nIndex, void *newElement, INT_PTR nCount)
{
    if (nIndex < 0 || nCount <= 0) {
        return FALSE;
    }
    INT_PTR nOldSize = m_nSize;
    INT_PTR nNewSize = (nIndex > m_nSize ? nIndex : m_nSize) + nCount;
    if (!SetSize(nNewSize)) {
        return FALSE;
    }
    if (nIndex < nOldSize) {
        memmove(m_pData + nIndex + nCount, m_pData + nIndex, sizeof(void *) * static_cast<size_t>(nOldSize - nIndex));
    }
    for (INT_PTR i = 0; i < nCount; i++) {
        m_pData[nIndex + i] = newElement;
    }
    return TRUE;
}

void CPtrArray::RemoveAt(INT_PTR nIndex, INT_PTR nCount)
{
    if (nIndex < 0 || nCount <= 0 || nIndex >= m_nSize) {
        return;
    }
    if (nCount > m_nSize - nIndex) {
        nCount = m_nSize - nIndex;
    }
    memmove(m_pData + nIndex, m_pData + nIndex + nCount, sizeof(void *) * static_cast<size_t>(m_nSize - nIndex - nCount));
    m_nSize -= nCount;
}

void CPtrArray::RemoveAll()
{
    m_nSize = 0;
}

BOOL CPtrArray::Copy(const CPtrArray &src)
{
    if (this == &src) {
        return TRUE;
    }
    if (!grow(src.m_nSize)) {
        return FALSE;
    }
    if (src.m_nSize > 0) {
        memcpy(m_pData, src.m_pData, sizeof(void *) * static_cast<size_t>(src.m_nSize));
    }
    m_nSize = src.m_nSize;
    return TRUE;
}
