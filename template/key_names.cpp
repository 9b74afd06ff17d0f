#include "template/key_names.h"

namespace fw {

const std::array<const char*, 256> kKeyNameTable = {
    "", "F2", "SP", "0", "@", "P", "`", "p", "128", "144", "160", "176", "192", "208", "224", "240",
    "Ins", "F3", "!", "1", "A", "Q", "a", "q", "129", "145", "161", "177", "193", "209", "225", "241",
    "Del", "F4", "\"", "2", "B", "R", "b", "r", "130", "146", "162", "178", "194", "210", "226", "242",
    "Home", "F5", "#", "3", "C", "S", "c", "s", "131", "147", "163", "179", "195", "211", "227", "243",
    "End", "F6", "$", "4", "D", "T", "d", "t", "132", "148", "164", "180", "196", "212", "228", "244",
    "Up", "F7", "%", "5", "E", "U", "e", "u", "133", "149", "165", "181", "197", "213", "229", "245",
    "Down", "F8", "&&", "6", "F", "V", "f", "v", "134", "150", "166", "182", "198", "214", "230", "246",
    "Left", "F9", "'", "7", "G", "W", "g", "w", "135", "151", "167", "183", "199", "215", "231", "247",
    "BS", "F10", "(", "8", "H", "X", "h", "x", "136", "152", "168", "184", "200", "216", "232", "248",
    "HT", "F11", ")", "9", "I", "Y", "i", "y", "137", "153", "169", "185", "201", "217", "233", "249",
    "LF", "F12", "*", ":", "J", "Z", "j", "z", "138", "154", "170", "186", "202", "218", "234", "250",
    "Right", "ESC", "+", ";", "K", "[", "k", "{", "139", "155", "171", "187", "203", "219", "235", "251",
    "PgUp", "Exec", ",", "<", "L", "\\", "l", "|", "140", "156", "172", "188", "204", "220", "236", "252",
    "Enter", "", "-", "=", "M", "]", "m", "}", "141", "157", "173", "189", "205", "221", "237", "253",
    "PgDn", "", ".", ">", "N", "^", "n", "~", "142", "158", "174", "190", "206", "222", "238", "254",
    "F1", "", "/", "?", "O", "_", "o", "DEL", "143", "159", "175", "191", "207", "223", "239", "255",
};

namespace {

constexpr const char* kColumnHeaders[kGridSide] = {"00", "10", "20", "30", "40", "50", "60", "70",
                                                   "80", "90", "A0", "B0", "C0", "D0", "E0", "F0"};
constexpr const char* kRowHeaders[kGridSide] = {"00", "01", "02", "03", "04", "05", "06", "07",
                                                "08", "09", "0A", "0B", "0C", "0D", "0E", "0F"};

}  // namespace

bool IsPickable(std::uint8_t code) {
    return code != 0x00 && code != 0x0A && code != 0x0D && (code < 0x1D || code > 0x1F);
}

int KeyCodesToText(const std::uint8_t* codes, std::size_t n, std::string& text) {
    int used = 0;
    for (std::size_t i = 0; i < n && codes[i] != 0; ++i, ++used) {
        text += KeyName(codes[i]);
        text += ' ';
    }
    return used;
}

std::string ComposedToDisplayText(std::string_view composed) {
    std::string display;
    display.reserve(composed.size());
    for (std::size_t i = 0; i < composed.size();) {
        if (composed.substr(i, 3) == "&& ") {
            display += "& ";
            i += 3;
        } else {
            display += composed[i++];
        }
    }
    return display;
}

const char* ColumnHeader(int column) { return column >= 0 && column < kGridSide ? kColumnHeaders[column] : ""; }

const char* RowHeader(int row) { return row >= 0 && row < kGridSide ? kRowHeaders[row] : ""; }

}  // namespace fw
