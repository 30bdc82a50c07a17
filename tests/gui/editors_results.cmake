# Screen tests of the gland editors, the results sheets and the screen flow through them.

glandwise_add_screen_test(editor_screen_test editor_screen_test.cpp editor_results_support.h)
glandwise_add_screen_test(results_sheet_test results_sheet_test.cpp editor_results_support.h)
target_link_libraries(results_sheet_test PRIVATE glandwise_calc)
glandwise_add_screen_test(flow_gland_test flow_gland_test.cpp editor_results_support.h)
glandwise_add_screen_test(print_handbook_test print_handbook_test.cpp editor_results_support.h)
