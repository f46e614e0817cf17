# The one-way order of the source folders, read by check-layers.sh (every
# include line of src/) and tests/layer_views.sh (what each layer's library
# can include at all). Written here once, not taken from the build, so that
# a wrong link or include directory in the build fails the checks.
#
#   core <- membrane, input <- section <- output <- driver      the calculation
#   input <- text            encodings, CSV cells, printed numbers and results
#   output <- drawing        the SVG toolkit
#   text <- cases            tables of cases, field values, --range
#   driver <- search         the search of one input, the sealed bag
#   driver <- leaf           the leaf as a free body: its loads, N, V, M, the hinge
#   search, cases, leaf <- design  a design folder, its criteria, checks, limit states
#   design <- operation      the gate lowered and raised by air
#   operation <- flood       the pond's level through a flood over the gate
#   rooms <- studies         typed requests and results: sweep, seek, operation, flood, report
#   everything <- tools, web, python (the front ends); platform beside the layers
#
# Sourced: defines LAYERS and layer_below.

# The folders built as layer libraries (cmake/layers.cmake).
LAYERS=(core membrane input section output driver text drawing cases search design operation flood risk leaf studies)

# layer_below FOLDER: the folders a file of FOLDER may include besides its own.
layer_below() {
  local calculation="core membrane input section output driver"
  case "$1" in
    core) echo "" ;;
    membrane|input) echo "core" ;;
    section) echo "core membrane input" ;;
    output) echo "core membrane input section" ;;
    driver) echo "$calculation" ;;
    text) echo "core input" ;;
    drawing) echo "core membrane input section output" ;;
    cases) echo "core input text" ;;
    search) echo "$calculation" ;;
    leaf) echo "$calculation" ;;
    design) echo "$calculation text cases search leaf" ;;
    operation) echo "$calculation text cases search leaf design" ;;
    flood) echo "$calculation text cases search leaf design operation" ;;
    risk) echo "$calculation text cases search leaf design operation flood" ;;
    studies) echo "$calculation text drawing cases search leaf design operation flood risk" ;;
    tools|web|python) echo "$calculation ${LAYERS[*]:6} tools" ;;
    platform) echo "core" ;;
    *) return 1 ;;
  esac
}
