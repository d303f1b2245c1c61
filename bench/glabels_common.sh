# Shared by the benchmarks against glabels: sourced, not run.

# Debian's glabels, installed with apt-get when glabels-3-batch is missing.
install_glabels() {
  if ! command -v glabels-3-batch >/dev/null; then
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    echo "Installing glabels (for glabels-3-batch)..."
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends glabels >/dev/null
  fi
}

# Median of the numbers on standard input.
median() { sort -n | awk '{v[NR] = $1} END {if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2}'; }

identity='a0="1" a1="0" a2="0" a3="1" a4="0" a5="0"'
span='font_family="Sans" font_size="6" font_weight="Regular" font_italic="False" color="0x000000ff" line_spacing="1"'
# A glabels document over a CSV file: the symbol at its natural size from x = 8 pt (more than ten
# narrow bars of quiet zone), the two text labels from x = 140 pt.
glabels_document() {
  cat <<XML
<?xml version="1.0"?>
<Glabels-document xmlns="http://glabels.org/xmlns/3.0/">
  <Template brand="Brevmark" part="bench-3x35" size="A4" description="105 labels a page">
    <Meta category="label"/>
    <Label-rectangle id="0" width="190pt" height="22pt" round="0pt" x_waste="0pt" y_waste="0pt">
      <Markup-margin size="1pt"/>
      <Layout nx="3" ny="35" x0="12pt" y0="15pt" dx="192pt" dy="23pt"/>
    </Label-rectangle>
  </Template>
  <Objects id="0" rotate="False">
    <Object-barcode $identity x="8pt" y="1pt" w="0pt" h="17pt" backend="built-in" style="Code39"
        text="True" checksum="False" color="0x000000ff" field="CODE"/>
    <Object-text $identity x="140pt" y="2pt" w="48pt" h="8pt" justify="Left" valign="Top"
        auto_shrink="False" wrap="None" line_spacing="1">
      <Span $span><Field name="NAME"/></Span>
    </Object-text>
    <Object-text $identity x="140pt" y="11pt" w="48pt" h="8pt" justify="Left" valign="Top"
        auto_shrink="False" wrap="None" line_spacing="1">
      <Span $span><Field name="PRICE"/></Span>
    </Object-text>
  </Objects>
  <Merge type="Text/Comma/Line1Keys" src="$1"/>
</Glabels-document>
XML
}
