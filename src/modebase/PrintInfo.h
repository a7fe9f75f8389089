#pragma once

#include <QString>

// The choices of one print, handed to the print dialog and read back from it
// after it ran, so that the next print starts where this one ended. Passed by
// value.
//
// A default-made record is the value every canvas appliance starts its
// shared record (CanvasAppliance::s_PrintInfo) with: no printer remembered,
// the print button focused, colour, portrait, fit to page.
struct PrintInfo
{
    // The printer last selected; empty when none was.
    QString printerName;
    // When set and printers exist, the dialog opens with "PDF" focused. The
    // dialog never changes it.
    bool exportPdf = false;
    // "Color" rather than "Grayscale" preselected. The dialog never changes
    // it.
    bool color = true;
    // Page orientation landscape rather than portrait.
    bool landscape = false;
    // "Fit to page".
    bool fitToPage = true;

    bool operator==(const PrintInfo& other) const
    {
        return printerName == other.printerName && exportPdf == other.exportPdf && color == other.color
            && landscape == other.landscape && fitToPage == other.fitToPage;
    }
    bool operator!=(const PrintInfo& other) const { return !(*this == other); }
};
