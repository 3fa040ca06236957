#pragma once

class PageCanvas;
class PrintPictures;

// The main view beside the subpoena form on the whole page, 15 mm apart, each
// centred in its part: on a portrait page the capture above and the form
// turned counter-clockwise below, on a landscape one the form upright on the
// left and the capture turned clockwise on the right. A missing picture
// leaves its part empty.
void PrintSubpoenaPage(PageCanvas& canvas, PrintPictures& pictures);
