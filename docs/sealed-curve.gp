# The sealed curve of docs/seek.md (Debian gnuplot-nox):
#   build/tqweir-seek examples/standard --sealed upstream_level=0:4:0.1 -o build/sealed.csv
#   gnuplot docs/sealed-curve.gp
set datafile separator ','
set datafile columnheaders
set terminal pngcairo size 900,560 font 'sans,11'
set output 'docs/sealed-curve.png'
set title 'Sealed bag, examples/standard (air valve closed at upstream level 2.5 m)'
set xlabel 'upstream level (m)'
set ylabel 'leaf angle (degree) / stopper tension (kN/10)'
set y2label 'bag pressure (kPa, gauge)'
set y2tics
set ytics nomirror
set key at graph 0.42, graph 0.45
set grid
plot 'build/sealed.csv' using 'in_upstream_level_m':'theta1_deg' with linespoints pt 7 ps 0.6 title 'leaf angle', \
     '' using 'in_upstream_level_m':(column('stopper_tension_kn')/10) with linespoints pt 5 ps 0.6 title 'stopper tension / 10', \
     '' using 'in_upstream_level_m':(column('pressure_at_temperature_mpa')*1000) axes x1y2 with linespoints pt 9 ps 0.6 title 'bag pressure (right)'
