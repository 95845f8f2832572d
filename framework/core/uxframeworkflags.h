#pragma once

// Switches that the product sets at start-up and the framework's windows read.
class uxFrameworkFlags
{
public:
    // Whether title bars show the about icon; true until the product hides it.
    static bool aboutIconShown();
    static void setAboutIconShown(bool shown);
};
