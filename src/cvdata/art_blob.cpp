// Puts the artwork file made at build time into the library's read-only data, without
// turning megabytes of pixels into source text.
#ifndef CVDATA_ART_FILE
#error "CVDATA_ART_FILE must name the generated artwork file"
#endif

__asm__(
    ".section .rodata.cvdata_art,\"a\",@progbits\n"
    ".balign 16\n"
    ".global cvdata_art_begin\n"
    ".hidden cvdata_art_begin\n"
    "cvdata_art_begin:\n"
    ".incbin \"" CVDATA_ART_FILE "\"\n"
    ".global cvdata_art_end\n"
    ".hidden cvdata_art_end\n"
    "cvdata_art_end:\n"
    ".previous\n");
