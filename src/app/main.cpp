#include "shell/Application.h"

int main(int argc, char** argv) { return ms::gui::runApplication(argc, argv); }
