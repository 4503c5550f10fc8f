// Folders of the installed program, set at start-up from the registry's program folder.
#pragma once

// The folder of the numbered configuration files, "<program folder>/config_files".
extern char Pfad_Config_Files[256];
