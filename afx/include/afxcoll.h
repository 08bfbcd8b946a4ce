// Collections of the class layer: a growable array of untyped pointers.
#ifndef CVGUI_AFXCOLL_H
#define CVGUI_AFXCOLL_H

#include "afx.h"

// An array of void pointers that grows on demand. Where MFC would throw on exhausted memory,
// the growing members report it instead (Add gives -1, InsertAt and SetSize FALSE) and leave the
// array as it was.
class AFX_API CPtrArray : public CObject {
    DECLARE_DYNAMIC(CPtrArray)
public:
    CPtrArray() = default;
    ~CPtrArray() override;

    INT_PTR GetSize() const { return m_nSize; }
    INT_PTR GetCount() const { return m_nSize; }
    INT_PTR GetUpperBound() const { return m_nSize - 1; }
    BOOL IsEmpty() const { return m_nSize == 0; }
    BOOL SetSize(INT_PTR nNewSize);

    void *GetAt(INT_PTR nIndex) const { return m_pData[nIndex]; }
    void SetAt(INT_PTR nIndex, void *newElement) { m_pData[nIndex] = newElement; }
    void *&ElementAt(INT_PTR nIndex) { return m_pData[nIndex]; }
    void *operator[](INT_PTR nIndex) const { return m_pData[nIndex]; }
    void *&operator[](INT_PTR nIndex) { return m_pData[nIndex]; }
    void **GetData() { return m_pData; }
    const void *const *GetData() const { return m_pData; }

    INT_PTR Add(void *newElement);
    BOOL InsertAt(INT_PTR nIndex, void *newElement, INT_PTR nCount = 1);
    void RemoveAt(INT_PTR nIndex, INT_PTR nCount = 1);
    void RemoveAll();
    BOOL Copy(const CPtrArray &src);

private:
    BOOL grow(INT_PTR nMinSize);

    void **m_pData = nullptr;
    INT_PTR m_nSize = 0;
    INT_PTR m_nMaxSize = 0;
};

#endif
