// Identifiers of the program's resources (panel/resources.rc). Included by the resource
// script and by the panel's C++ code; plain #defines so windres reads it too.
#ifndef VANTRELLE_PANEL_RESOURCE_IDS_H
#define VANTRELLE_PANEL_RESOURCE_IDS_H

// The program's icon (16, 32 and 48 px), for both windows, large and small.
#define IDI_VANTRELLE 1

// The tutorial picture, the JPEG bytes of assets/tutorial.jpg, as RT_RCDATA.
#define IDR_TUTORIAL_JPEG 101

#endif
