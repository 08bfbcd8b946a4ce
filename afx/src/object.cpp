// Run-time classes and CString.
#include "afx.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

BOOL CRuntimeClass::IsDerivedFrom(const CRuntimeClass *pBaseClass) const
{
    for (const CRuntimeClass *c = this; c != nullptr; c = c->m_pBaseClass) {
        if (c == pBaseClass) {
            return TRUE;
        }
    }
    return FALSE;
}

const CRuntimeClass CObject::classCObject = {"CObject", nullptr};

CObject::~CObject() = default;

const CRuntimeClass *CObject::GetRuntimeClass() const
{
    return &classCObject;
}

BOOL CObject::IsKindOf(const CRuntimeClass *pClass) const
{
    return GetRuntimeClass()->IsDerivedFrom(pClass);
}

namespace {
char emptyString[1] = "";
}

CString::CString() : m_pchData(emptyString), m_nLength(0), m_nAllocLength(0) {}

CString::CString(const CString &s) : CString()
{
    assign(s.m_pchData, s.m_nLength);
}

CString::CString(const char *psz) : CString()
{
    if (psz != nullptr) {
        assign(psz, static_cast<int>(strlen(psz)));
    }
}

CString::CString(const char *pch, int nLength) : CString()
{
    if (pch != nullptr && nLength > 0) {
        assign(pch, nLength);
    }
}

CString::~CString()
{
    if (m_pchData != emptyString) {
        free(m_pchData);
    }
}

CString &CString::operator=(const CString &s)
{
    if (this != &s) {
        assign(s.m_pchData, s.m_nLength);
    }
    return *this;
}

CString &CString::operator=(const char *psz)
{
    if (psz == nullptr) {
        Empty();
    } else if (psz < m_pchData || psz > m_pchData + m_nLength) {
        assign(psz, static_cast<int>(strlen(psz)));
    } else {
        CString copy(psz); // a part of this very string
        *this = copy;
    }
    return *this;
}

CString &CString::operator+=(const char *psz)
{
    if (psz == nullptr || *psz == '\0') {
        return *this;
    }
    CString tail(psz);
    int n = m_nLength;
    char *buf = GetBuffer(n + tail.m_nLength);
    memcpy(buf + n, tail.m_pchData, tail.m_nLength + 1);
    ReleaseBuffer(n + tail.m_nLength);
    return *this;
}

CString &CString::operator+=(char ch)
{
    char s[2] = {ch, '\0'};
    return *this += s;
}

void CString::Empty()
{
    if (m_pchData != emptyString) {
        free(m_pchData);
    }
    m_pchData = emptyString;
    m_nLength = m_nAllocLength = 0;
}

void CString::assign(const char *pch, int nLength)
{
    char *buf = GetBuffer(nLength);
    memmove(buf, pch, nLength);
    ReleaseBuffer(nLength);
}

char *CString::GetBuffer(int nMinBufLength)
{
    if (nMinBufLength > m_nAllocLength) {
        char *grown = static_cast<char *>(malloc(nMinBufLength + 1));
        if (grown == nullptr) {
            abort(); // no exceptions here; out of memory for a string is not survivable
        }
        memcpy(grown, m_pchData, m_nLength + 1);
        if (m_pchData != emptyString) {
            free(m_pchData);
        }
        m_pchData = grown;
        m_nAllocLength = nMinBufLength;
    }
    return m_pchData;
}

void CString::ReleaseBuffer(int nNewLength)
{
    if (m_pchData == emptyString) {
        return;
    }
    if (nNewLength < 0) {
        nNewLength = static_cast<int>(strlen(m_pchData));
    }
    if (nNewLength > m_nAllocLength) {
        nNewLength = m_nAllocLength;
    }
    m_nLength = nNewLength;
    m_pchData[nNewLength] = '\0';
}

void CString::FormatV(const char *lpszFormat, va_list args)
{
    va_list count;
    va_copy(count, args);
    int n = vsnprintf(nullptr, 0, lpszFormat, count);
    va_end(count);
    if (n < 0) {
        Empty();
        return;
    }
    char *buf = GetBuffer(n);
    vsnprintf(buf, n + 1, lpszFormat, args);
    ReleaseBuffer(n);
}

void CString::Format(const char *lpszFormat, ...)
{
    va_list args;
    va_start(args, lpszFormat);
    FormatV(lpszFormat, args);
    va_end(args);
}

BOOL operator==(const CString &a, const char *b)
{
    return strcmp(a, b != nullptr ? b : "") == 0;
}
