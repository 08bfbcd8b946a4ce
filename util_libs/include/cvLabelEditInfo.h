/** @file
 * The row record of a label/edit form, which the Motif builders (cvgui.h) and the event
 * description of both halves (cvDescEvent.h) share. */
#ifndef CVLABELEDITINFO_H
#define CVLABELEDITINFO_H

/** @addtogroup cvgui_text
 * @{ */

/** One row of a label/edit form. */
typedef struct {
    int id;                 /**< handed to the label function */
    const char *label;      /**< NULL shows an empty label */
    const char *value;      /**< NULL shows an empty field */
    unsigned short columns; /**< 0: the default width */
    char editable;          /**< a Boolean */
} label_edit_info;

/** @} */

#endif
