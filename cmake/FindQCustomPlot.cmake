# QCustomPlot: the package's own CMake configuration where the system has one (Debian's
# libqcustomplot-dev), else its header and library, looked up below QCustomPlot_ROOT (Windows has
# no package). Either way the result is the target QCustomPlot::QCustomPlot.
find_package(QCustomPlot CONFIG QUIET)
if(NOT QCustomPlot_FOUND)
    find_path(QCUSTOMPLOT_INCLUDE_DIR qcustomplot.h)
    find_library(QCUSTOMPLOT_LIBRARY NAMES qcustomplot QCustomPlot qcustomplot2)
    include(FindPackageHandleStandardArgs)
    find_package_handle_standard_args(QCustomPlot
        REQUIRED_VARS QCUSTOMPLOT_LIBRARY QCUSTOMPLOT_INCLUDE_DIR)
    if(QCustomPlot_FOUND AND NOT TARGET QCustomPlot::QCustomPlot)
        add_library(QCustomPlot::QCustomPlot UNKNOWN IMPORTED)
        # The header declares its classes as imported from a shared library only when told so.
        set_target_properties(QCustomPlot::QCustomPlot PROPERTIES
            IMPORTED_LOCATION ${QCUSTOMPLOT_LIBRARY}
            INTERFACE_INCLUDE_DIRECTORIES ${QCUSTOMPLOT_INCLUDE_DIR}
            INTERFACE_COMPILE_DEFINITIONS QCUSTOMPLOT_USE_LIBRARY
            INTERFACE_LINK_LIBRARIES "Qt5::Widgets;Qt5::PrintSupport")
    endif()
endif()
