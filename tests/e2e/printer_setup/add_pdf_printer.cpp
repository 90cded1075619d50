// lt_add_pdf_printer NAME PORT PPD: adds a printer on Wine's PostScript driver to the prefix
// and makes it the default. With the port "|lp -d QUEUE" the printout goes to that CUPS queue,
// which needs no 32-bit CUPS library inside Wine. Run once by the prefix step.
#include <windows.h>
#include <winspool.h>

#include <cstdio>

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: lt_add_pdf_printer NAME PORT PPD\n");
    return 2;
  }
  char driverName[] = "Wine PostScript Driver", environment[] = "Windows NT x86", driverFile[] = "wineps.drv";
  DRIVER_INFO_3A driver{};
  driver.cVersion = 3;
  driver.pName = driverName;
  driver.pEnvironment = environment;
  driver.pDriverPath = driverFile;
  driver.pDataFile = argv[3];
  driver.pConfigFile = driverFile;
  if (!AddPrinterDriverExA(nullptr, 3, reinterpret_cast<BYTE*>(&driver),
                           APD_COPY_NEW_FILES | APD_COPY_FROM_DIRECTORY)) {
    std::fprintf(stderr, "AddPrinterDriverEx failed: %lu\n", GetLastError());
    return 1;
  }
  char processor[] = "WinPrint", datatype[] = "RAW";
  PRINTER_INFO_2A printer{};
  printer.pPrinterName = argv[1];
  printer.pPortName = argv[2];
  printer.pDriverName = driverName;
  printer.pPrintProcessor = processor;
  printer.pDatatype = datatype;
  printer.Attributes = PRINTER_ATTRIBUTE_LOCAL;
  HANDLE added = AddPrinterA(nullptr, 2, reinterpret_cast<BYTE*>(&printer));
  if (added) {
    ClosePrinter(added);
  } else if (GetLastError() != ERROR_PRINTER_ALREADY_EXISTS) {
    std::fprintf(stderr, "AddPrinter failed: %lu\n", GetLastError());
    return 1;
  }
  if (!SetDefaultPrinterA(argv[1])) {
    std::fprintf(stderr, "SetDefaultPrinter failed: %lu\n", GetLastError());
    return 1;
  }
  return 0;
}
