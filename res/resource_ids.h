/* Numbers of the program's embedded pictures (RCDATA). Shared by lumbra.rc and the C++ code,
   so it stays plain preprocessor text. */
#ifndef LUMBRA_RES_RESOURCE_IDS_H
#define LUMBRA_RES_RESOURCE_IDS_H

#define IDR_BANNER_JPEG 101      /* 597x102, the main window's banner */
#define IDR_HELP_BANNER_JPEG 102 /* 206x63, the help window's picture */

#endif
