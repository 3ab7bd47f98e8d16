#include "sponsor/PrinterTable.h"

namespace varnholt {

// Model rows first (a brand alone matches its first model), then the brand rows.
const std::array<PrinterRow, kPrinterRowCount> kPrinterTable{{
    {"Epson Stylus Color 440/460/640/660/670", "$7.95", {}},            // 1
    {"Epson Stylus Color II/IIs/820", "$7.95", {}},                     // 2
    {"Epson Stylus Color 200", "$7.95", {}},                            // 3
    {"Epson Stylus Color 300", "$10.95", {}},                           // 4
    {"Epson Stylus Color 400", "$7.95", {}},                            // 5
    {"Epson Stylus Color 480/480SX", "$7.95", {}},                      // 6
    {"Epson Stylus Color 500", "$7.95", {}},                            // 7
    {"Epson Stylus Color 740/740i/760/860/1160", "$7.95", {}},          // 8
    {"Epson Stylus Color 800/800N/850/1520", "$7.95", {}},              // 9
    {"Epson Stylus Color 900/900N/900G", "$7.95", {}},                  // 10
    {"Epson Stylus Photo/Photo 700/710/Photo EX/EX2", "$10.95", {}},    // 11
    {"Epson Stylus Photo 750", "$7.95", {}},                            // 12
    {"Epson Stylus Photo 1200", "$7.95", {}},                           // 13
    {"Epson Stylus Pro 5000", "$12.95", {}},                            // 14
    {"Epson Stylus Color/Stylus Pro/Pro XL/Pro XL Plus", "$7.95", {}},  // 15
    {"Epson Stylus 800/1000", "$7.95", {}},                             // 16
    {"Epson Stylus Color 1500/1500K", "$9.95", {}},                     // 17
    {"Epson Stylus Color 3000", "$12.95", {}},                          // 18
    {"Epson Stylus Color MJ-900C/MJ-910C", "$7.95", {}},                // 19
    {"Epson MJ-850K/MJ-1500K/MJ-1500K Plus", "$9.95", {}},              // 20
    {"Canon BJC-4000 series", "$5.95", {}},                             // 21
    {"Canon BJC-2000/2010/5000/5100/5500", "$5.95", {}},                // 22
    {"Canon BJC-600 series", "$5.95", {}},                              // 23
    {"Canon BJC-3000/6000/6100", "$7.95", {}},                          // 24
    {"Canon BJC-8200", "$7.95", {}},                                    // 25
    {"Canon BJC-35, 50, 70, 80, BJ-30", "$5.95", {}},                   // 26
    {"Canon BJ-300 series, P670", "$6.95", {}},                         // 27
    {"Canon BJC-800 series, BJP-C80/CJP-C80", "$6.95", {}},             // 28
    {"Canon BJC-700J/7000/7100/7004 Photo", "$12.95", {}},              // 29
    {"Canon Multipass series/C3500", "$5.95", {}},                      // 30
    {"Canon BJ-10/20/200/210/230", "$12.95", {}},                       // 31
    {"Canon BJC-150/210/240/250/1000", "$12.95", {}},                   // 32
    {"Canon Fax B-100/110/640/Multipass 10", "$12.95", {}},             // 33
    {"Canon BJC-255sp", "$12.95", {}},                                  // 34
    {"HP Color Copier 110/120", "$12.95", {}},                          // 35
    {"HP Color Copier 140/145/150/155/160/170/260/270", "$12.95", {}},  // 36
    {"HP Color Copier 210/210lx", "$12.95", {}},                        // 37
    {"HP CopyJet/CopyJet M", "$12.95", {}},                             // 38
    {"HP Designjet 230/250C//650C/650C plus", "$12.95", {}},            // 39
    {"HP Designjet 330/350C/430/450C/455/CA/488CA", "$12.95", {}},      // 40
    {"HP Designjet 700/750C plus/755CM", "$12.95", {}},                 // 41
    {"HP DeskWriter/DeskWriter C", "$12.95", {}},                       // 42
    {"HP DeskWriter 310/320", "$12.95", {}},                            // 43
    {"HP DeskWriter 400 series/500 series", "$12.95", {}},              // 44
    {"HP DeskWriter 600 series", "$12.95", {}},                         // 45
    {"HP Deskjet DeskJet/DeskJet plus", "$12.95", {}},                  // 46
    {"HP Deskjet 310/320/340/340CBi/340CM/340CV", "$12.95", {}},        // 47
    {"HP Deskjet 350C/350CBi", "$12.95", {}},                           // 48
    {"HP Deskjet 400 series/500 series", "$12.95", {}},                 // 49
    {"HP Deskjet 600 series", "$12.95", {}},                            // 50
    {"HP Deskjet 700 series/800 series", "$12.95", {}},                 // 51
    {"HP Deskjet 900 series/1220Cse/1220Cxi", "$12.95", {}},            // 52
    {"HP Deskjet 1000 series/1100 series", "$12.95", {}},               // 53
    {"HP Deskjet 1200C/1200C plus", "$12.95", {}},                      // 54
    {"HP Deskjet 1600C/1600CM/1600CN", "$12.95", {}},                   // 55
    {"HP Fax 200/300/310/700/750//800/900/950", "$12.95", {}},          // 56
    {"HP Fax 910/920", "$12.95", {}},                                   // 57
    {"HP OfficeJet/OfficeJet LX/OfficeJet 300", "$12.95", {}},          // 58
    {"HP OfficeJet 500 series/600 series", "$12.95", {}},               // 59
    {"HP OfficeJet 700/710/720", "$12.95", {}},                         // 60
    {"HP OfficeJet G55/G55xi/G85/G85xi/G95", "$12.95", {}},             // 61
    {"HP OfficeJet Pro series/R series/T series", "$12.95", {}},        // 62
    {"HP PhotoSmart series", "$12.95", {}},                             // 63
    {"HP PSC 370/380", "$12.95", {}},                                   // 64
    {"Lexmark ColorJet Z11/Z12/Z22/Z31/Z32/Z42/Z51/Z52", "$12.95", {}}, // 65
    {"Lexmark ColorJet 1000/1100/1020", "$12.95", {}},                  // 66
    {"Lexmark ColorJet 2030/2050/2055/2070/3000", "$12.95", {}},        // 67
    {"Lexmark ColorJet 3200/5000/5700/5770/7000/7200", "$12.95", {}},   // 68
    {"Lexmark Optra Color 40/40n/45/45n", "$12.95", {}},                // 69
    {"Lexmark Medley/Winwriter 150c", "$12.95", {}},                    // 70
    {"Apple Color Stylewriter/stylewriter Pro", "$5.95", {}},           // 71
    {"Apple Color Stylewriter 2200", "$5.95", {}},                      // 72
    {"Apple Color Stylewriter 2400/2500", "$5.95", {}},                 // 73
    {"Apple Stylewriter I/II/1200", "$12.95", {}},                      // 74
    {"Apple Color StyleWriter 4100/4500", "$12.95", {}},                // 75
    {"Apple Color StyleWriter 6500", "$12.95", {}},                     // 76
    {"Brother 770/HJ770", "$6.95", {}},                                 // 77
    {"IBM 4072 Execjet", "$6.95", {}},                                  // 78
    {"IBM 4079 color Jetprinter", "$6.95", {}},                         // 79
    {"Panasonic Panafax KX-F1600, UF-342, UF-344", "$5.95", {}},        // 80
    {"Xerox Homecenter C6/X8", "$6.95", {}},                            // 81
    {"Xerox Homecenter XJ4C/XJ6C/C6/C8/DWC 450C", "$6.95", {}},         // 82
    {"Epson", {}, "epson.html"},                                        // 83
    {"Canon", {}, "canon.html"},                                        // 84
    {"Hewlett-Packard", {}, "hp.html"},                                 // 85
    {"Hewlett Packard", {}, "hp.html"},                                 // 86
    {"HP", {}, "hp.html"},                                              // 87
    {"Lexmark", {}, "lexmark.html"},                                    // 88
    {"Brother", {}, "brother.html"},                                    // 89
    {"Apple", {}, "apple.html"},                                        // 90
    {"Xerox", {}, "xerox.html"},                                        // 91
    {"Panasonic", {}, "panasonic.html"},                                // 92
    {"IBM", {}, "ibm.html"},                                            // 93
}};

} // namespace varnholt
