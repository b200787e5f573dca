// How the main window shares its room between the three columns and their boxes when it is
// resized: thirds of the width for the outer columns, thirds of each column's height for its top
// and bottom boxes, and the wind box level with the rain box.
#pragma once

struct ResizeInput {
    int clientWidth = 0;         // the main window's client width
    int leftClientHeight = 0;    // PanelLinks
    int middleClientHeight = 0;  // PanelMitte
    int right2ClientHeight = 0;  // PanelRechts2, as it is before the wind box changes height
};

struct ResizeResult {
    int groupBox3 = 0, groupBox6 = 0;   // left column: top and bottom
    int groupBox5 = 0, groupBox9 = 0;   // middle column: top and bottom
    int groupBox8 = 0, groupBox11 = 0;  // right inner panel: top and bottom
    int groupBox10 = 0;                 // wind box below the right inner panel
    int leftWidth = 0, rightWidth = 0;  // PanelLinks and PanelRechts; the middle takes the rest
};

ResizeResult FormResize(const ResizeInput& in);
