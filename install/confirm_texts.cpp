// The prompt and the description table of the overwrite confirmation.
#include "install/confirm_texts.h"

#include "app/text_util.h"
#include "install/copy_names.h"

#include <stdio.h>

#define CODES1(a) (1u << (a))
#define CODES2(a, b) (CODES1(a) | CODES1(b))
#define CODES4(a, b, c, d) (CODES2(a, b) | CODES2(c, d))

namespace {
const unsigned kDraskelFamily = CODES4(0, 1, 2, 13) | CODES2(14, 15);
const unsigned kLetterBorders = CODES4(0, 2, 13, 15);
const unsigned kNumberBorders = CODES2(1, 14);
const unsigned kOrvane = CODES2(3, 4);
const unsigned kCalvix = CODES2(5, 6);
const unsigned kDromal = CODES2(7, 8);
const unsigned kPellion = CODES1(9);

const char kMaterials[] = "DESCRIPTION: Materials.";
const char kTemplate[] = "DESCRIPTION: Default Project Template.";
const char kHeaderLayout[] = "DESCRIPTION: Default Header Layout.";
const char kBorder[] = "DESCRIPTION: Border.";
const char kHeaderNote[] = "DESCRIPTION: Default Header Note.";
const char kSettings[] = "DESCRIPTION: Settings.";
const char kDetails[] = "DESCRIPTION: Details (Materials).";
const char kItems[] = "DESCRIPTION: Items (Materials).";
const char kSuppliers[] = "DESCRIPTION: Suppliers (Materials).";
const char kDetailTypes[] = "DESCRIPTION: Detail Types (Materials).";
const char kExtras[] = "DESCRIPTION: Extras (Materials).";
const char kPalette[] = "DESCRIPTION: 3D View Color Palette Settings.";
const char kReports[] = "DESCRIPTION: Report Templates.";
const char kQuote[] = "DESCRIPTION: Quote Template.";
} // namespace

const DescriptionRule descriptionRules[] = {
    {"MATERIAL.M80", kDraskelFamily, kMaterials},
    {".L80", kDraskelFamily, "DESCRIPTION: Letter Scheme."},
    {".I80", kDraskelFamily | kDromal, kTemplate},
    {"DEFMULT.H80", kDraskelFamily | kDromal, kHeaderLayout},
    {"A.B80", kLetterBorders | kDromal, kBorder},
    {"B.B80", kLetterBorders | kDromal, kBorder},
    {"C.B80", kLetterBorders | kDromal, kBorder},
    {"D.B80", kLetterBorders | kDromal, kBorder},
    {"E.B80", kLetterBorders | kDromal, kBorder},
    {"A0.B80", kNumberBorders, kBorder},
    {"A1.B80", kNumberBorders, kBorder},
    {"A2.B80", kNumberBorders, kBorder},
    {"A3.B80", kNumberBorders, kBorder},
    {"A4.B80", kNumberBorders, kBorder},
    {"HDRNOTE1.TXT", kDraskelFamily | kDromal, kHeaderNote},
    {"HDRNOTE2.TXT", kDraskelFamily | kDromal, kHeaderNote},
    {"HDRNOTE3.TXT", kDraskelFamily | kDromal, kHeaderNote},
    {"HDRNOTE4.TXT", kDraskelFamily | kDromal, kHeaderNote},
    {"HDRNOTE5.TXT", kDraskelFamily | kDromal, kHeaderNote},
    {"DRASKEL.INI", CODES2(0, 13), kSettings},
    {"DRASKELM.INI", CODES2(1, 14), kSettings},
    {"SERROW.INI", CODES2(2, 15), kSettings},
    {"FILLSEQ.F80", CODES4(0, 1, 13, 14), "DESCRIPTION: Fill Sequences."},

    {"METPAN.M73", kOrvane, "DESCRIPTION: Metal Panels (Materials)."},
    {"SHINGLES.M98", kOrvane, "DESCRIPTION: Tiles/Shingles (Materials)."},
    {"DETAIL.M72", kOrvane, kDetails},
    {"MTLDTL.M96", kOrvane, "DESCRIPTION: Metal Panel and Detail Associations (Materials)."},
    {"ITEM.M73", kOrvane, kItems},
    {"SUPPLIER.M72", kOrvane, kSuppliers},
    {"DTLTYPE.M77", kOrvane, kDetailTypes},
    {"FLATSHTS.M95", kOrvane, "DESCRIPTION: Flat Sheets (Materials)."},
    {"EXTRAS.XTR", kOrvane | kCalvix, kExtras},
    {".OVX", kOrvane, kTemplate},
    {"DEFMULT.HDR", kOrvane | kCalvix, kHeaderLayout},
    {"A.BDR", kOrvane | kCalvix, kBorder},
    {"B.BDR", kOrvane | kCalvix, kBorder},
    {"C.BDR", kOrvane | kCalvix, kBorder},
    {"D.BDR", kOrvane | kCalvix, kBorder},
    {"E.BDR", kOrvane | kCalvix, kBorder},
    {"COLOR.LST", kOrvane | kCalvix | kPellion, kPalette},
    {"REPINFO.IRT", kOrvane | kCalvix, kReports},
    {".QUO", kOrvane | kCalvix, kQuote},
    {"ORVANE.INI", kOrvane, kSettings},
    {"KELSPAN.INI", kOrvane, "DESCRIPTION: Kelspan Settings."},

    {"ROOFING.R80", kCalvix, "DESCRIPTION: Roofing Material (Materials)."},
    {"DETAIL.R81", kCalvix, kDetails},
    {"ITEM.R80", kCalvix, kItems},
    {"SUPPLIER.R80", kCalvix, kSuppliers},
    {"DTLTYPE.R81", kCalvix, kDetailTypes},
    {".MPI", kCalvix | kPellion, kTemplate},
    {"CALVIX.INI", kCalvix, kSettings},

    {"DROMAL.MAT", kDromal, kMaterials},
    {"DROMAL.INI", kDromal, kSettings},

    {"PELLION.INI", kPellion, kSettings},
};
const int descriptionRuleCount = sizeof descriptionRules / sizeof descriptionRules[0];

const char* FileDescription(int productCode, const char* fileName) {
    if (productCode < 0 || productCode > 31)
        return "";
    const char* extension = NameExtension(fileName);
    for (int i = 0; i < descriptionRuleCount; ++i) {
        const DescriptionRule& rule = descriptionRules[i];
        if (!(rule.productCodes & (1u << productCode)))
            continue;
        const char* compared = rule.key[0] == '.' ? extension : fileName;
        if (EqualNoCase(compared, rule.key))
            return rule.description;
    }
    return "";
}

void ConfirmPromptText(char* text, size_t size, const char* promptName, int isProject) {
    snprintf(text, size,
             isProject == 1 ? "WARNING: Project %s already exists.  Overwrite?"
                            : "WARNING: File %s already exists.  Overwrite?",
             promptName);
}

void ConfirmDescriptionText(char* text, size_t size, int productCode, const char* displayName,
                            const char* promptName, int isProject) {
    if (isProject == 1)
        snprintf(text, size, "DESCRIPTION: %s Project.", displayName);
    else
        CopyText(text, size, FileDescription(productCode, promptName));
}
