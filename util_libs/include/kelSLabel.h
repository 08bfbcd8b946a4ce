/** @file
 * Custom controls of the native half, each attached to a dialog's control with SubclassDlgItem:
 * a list box whose horizontal scrolling moves a title label (CKelSListBox with CKelSLabel), a
 * label in the window colours (CKelLabel), and a colour swatch button (CKelColorButton, on a
 * button with the owner-draw style). */
#ifndef KELSLABEL_H
#define KELSLABEL_H

#include "kelcore.h"

/**
 * @defgroup kel_custom_controls Custom controls
 * Controls of the native half attached to a dialog's control with SubclassDlgItem: a list box
 * whose horizontal scrolling moves a title label (CKelSListBox with CKelSLabel), a label in the
 * window colours (CKelLabel) and a colour swatch button (CKelColorButton, on an owner-drawn
 * button).
 *
 * @par Example
 * @code
 * CKelSLabel titles;
 * CKelSListBox events;
 * titles.SubclassDlgItem(IDC_TITLES, this);     // in OnInitDialog
 * events.SubclassDlgItem(IDC_EVENTS, this);
 * events.label = &titles;                      // the titles follow the list sideways
 * @endcode
 * @{
 */

/** Column titles drawn shifted by a horizontal offset. */
class KEL_API CKelSLabel : public CStatic {
public:
    void SetHorzOffset(int offset);
    int GetHorzOffset() const { return horzOffset; }

protected:
    void OnPaint() override;

private:
    int horzOffset = 0;
};

/** A list box that keeps its titles over its columns while it scrolls sideways. */
class KEL_API CKelSListBox : public CListBox {
public:
    CKelSLabel *label = nullptr; /**< set by the owner before the list can scroll */

protected:
    void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar *pScrollBar) override;
    void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar *pScrollBar) override;
    void OnSize(UINT nType, int cx, int cy) override;
};

/** Text in the window's text and background colours. */
class KEL_API CKelLabel : public CStatic {
protected:
    void OnPaint() override;
};

/** A colour swatch in a bevelled frame that shows the pressed and focused states. */
class KEL_API CKelColorButton : public CButton {
    DECLARE_DYNAMIC(CKelColorButton)
public:
    CKelColorButton();
    void SetColor(COLORREF c);
    COLORREF GetColor() const { return color; }
    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;

private:
    COLORREF color;
};

/** @} */

#endif
