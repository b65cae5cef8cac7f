/* Resource ids, shared by tavrisk.rc and the code. */
#pragma once

/* Application icon group. */
#define IDI_TAVRISK 1

/* About-and-usage dialog and its controls. */
#define IDD_ABOUT 100
#define IDC_ABOUT_TITLE 10001
#define IDC_ABOUT_USAGE 10002
/* Controls that are never addressed: the frame and the icon. */
#define IDC_STATIC (-1)

/* Sounds: whole WAV images stored as raw data. */
#define IDW_OPEN_SOUND 120
#define IDW_DONE_SOUND 121
