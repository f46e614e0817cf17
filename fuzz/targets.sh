# The fuzz targets, sourced by the scripts of this folder. A target's name
# is also its executable under build-fuzz/ and its corpus folder's name.
FUZZ_TARGETS=(syogen_reader_fuzz parameter_reader_fuzz profile_reader_fuzz whole_run_fuzz run_folder_fuzz)
FUZZ_TARGETS+=(loadcases_reader_fuzz)
FUZZ_TARGETS+=(criteria_reader_fuzz)
FUZZ_TARGETS+=(cases_table_fuzz)
FUZZ_TARGETS+=(range_spec_fuzz)
FUZZ_TARGETS+=(operation_file_fuzz)
FUZZ_TARGETS+=(flood_readers_fuzz)
FUZZ_TARGETS+=(risk_file_fuzz)
FUZZ_TARGETS+=(risk_block_fuzz)
