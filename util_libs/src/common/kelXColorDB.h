// X colour databases (the rgb.txt format) and the conversion of colour names, portable.
#ifndef KELXCOLORDB_H
#define KELXCOLORDB_H

#define KEL_XCOLOR_LINE 1024   // bytes read as one line
#define KEL_XCOLOR_NAME 139    // bytes of a name kept

struct KelXColorRecord {
    unsigned long colorref; // red | green << 8 | blue << 16, each masked to 8 bits
    int red, green, blue;   // as read
    char *name;
};

// Records in file order; loading another file appends to them. Records are never removed.
class KelXColorDB {
public:
    KelXColorDB() = default;
    ~KelXColorDB();
    KelXColorDB(const KelXColorDB &) = delete;
    KelXColorDB &operator=(const KelXColorDB &) = delete;

    // 0 when loaded; -1 when the file cannot be opened; -2 at the first line that does not start
    // with three numbers (comments and blank lines included), whose number goes to *badLine.
    int load(const char *path, int *badLine);
    // "#RRGGBB" (hexadecimal, either case) or the first record named colour, letter case
    // ignored: 0 and the colour; -1 and the outputs untouched. red, green, blue may be null.
    int convert(const char *colour, unsigned long *colorref, int *red, int *green, int *blue) const;

    int count() const { return count_; }
    const KelXColorRecord &record(int i) const { return records_[i]; }

private:
    KelXColorRecord *records_ = nullptr;
    int count_ = 0;
};

#endif
