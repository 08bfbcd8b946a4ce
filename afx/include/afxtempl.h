// Typed collections of the class layer: the element type checked by the compiler over an untyped
// base collection.
#ifndef CVGUI_AFXTEMPL_H
#define CVGUI_AFXTEMPL_H

#include "afxcoll.h"

template <class BASE_CLASS, class TYPE> class CTypedPtrArray : public BASE_CLASS {
public:
    TYPE GetAt(INT_PTR nIndex) const { return static_cast<TYPE>(BASE_CLASS::GetAt(nIndex)); }
    void SetAt(INT_PTR nIndex, TYPE ptr) { BASE_CLASS::SetAt(nIndex, ptr); }
    TYPE operator[](INT_PTR nIndex) const { return GetAt(nIndex); }
    INT_PTR Add(TYPE newElement) { return BASE_CLASS::Add(newElement); }
    BOOL InsertAt(INT_PTR nIndex, TYPE newElement, INT_PTR nCount = 1)
    {
        return BASE_CLASS::InsertAt(nIndex, newElement, nCount);
    }
    BOOL Copy(const CTypedPtrArray &src) { return BASE_CLASS::Copy(src); }
};

#endif
