#include "sim_model.h"

#include <algorithm>
#include <cmath>

#include "sim_text.h"

namespace tvsim {

Request ParseRequest(const std::string &text, const std::string &prefix)
{
    Request r;
    r.text = Trim(text);
    size_t blank = r.text.find_first_of(" \t");
    std::string header = r.text.substr(0, blank);
    r.args = blank == std::string::npos ? std::string() : Trim(r.text.substr(blank));
    if (!header.empty() && header[0] == ':') {
        header.erase(0, 1);  // from the root, whatever the prefix
    } else if (!header.empty() && header[0] != '*' && !prefix.empty()) {
        header = prefix + header;
        r.text = prefix + r.text;
    }
    r.header = Upper(header);
    if (!r.header.empty() && r.header.back() == '?') {
        r.query = true;
        r.header.pop_back();
    }
    return r;
}

namespace {

const double kVented = 2000.0;  // Pa: what a gauge reads on a line without its pump

void RelaxLinear(double &value, double target, double rate)
{
    value += (target - value) * rate;
    if (std::fabs(target - value) < 1e-4 * std::max(1.0, std::fabs(target)))
        value = target;
}

void RelaxLog(double &value, double target, double rate)
{
    if (value <= 0 || target <= 0) {
        value = target;
        return;
    }
    value = std::exp(std::log(value) + (std::log(target) - std::log(value)) * rate);
    if (std::fabs(value / target - 1) < 1e-3)
        value = target;
}

bool ParseSwitch(const std::string &args, bool *on)
{
    std::string a = Upper(Trim(args));
    if (a == "ON" || a == "1")
        *on = true;
    else if (a == "OFF" || a == "0")
        *on = false;
    else
        return false;
    return true;
}

bool ParseIndex(const std::string &text, int low, int high, int *index)
{
    long v = 0;
    if (!ParseInteger(text, &v) || v < low || v > high)
        return false;
    *index = (int)v;
    return true;
}

std::string Join(const std::vector<std::string> &items, size_t from)
{
    std::string text;
    for (size_t i = from; i < items.size(); ++i) {
        if (i > from)
            text += ',';
        text += items[i];
    }
    return text;
}

bool AllNumbers(const std::vector<std::string> &items, size_t from)
{
    double v;
    for (size_t i = from; i < items.size(); ++i)
        if (!ParseNumber(items[i], &v))
            return false;
    return true;
}

// The stored values that the built-in instrument starts with.
const struct {
    const char *path;
    const char *value;
} kStored[] = {
    // vacuum supervision
    {"SYS:PIBK:TPON", "100.00,500.00,600"},
    {"SYS:PIIFBK:TPON", "100.00,500.00,600"},
    {"SYS:PIBK:PGON", "10.00,50.00,300,120"},
    {"SYS:PIIFBK:PGON", "10.00,50.00,300,120"},
    {"SYS:PGAN:STB", "1.000E-03,5.000E-03,600,1800"},
    {"SYS:PIIF:ISOV", "200.00,400.00,60,5"},
    {"SYS:PIIFBK:ISOV", "200.00,400.00,60,5"},
    {"SYS:PGAN:ANA", "5.000E-03,1.000E-02,600"},
    {"SYS:PIIF:ANA", "500.00,150.00,450.00"},
    {"SYS:PIIFBK:ANA", "500.00,150.00,450.00"},
    {"SYS:PGAN:TBSLOW", "2.000E-04"},
    {"SYS:TDISOV", "5"},
    {"SYS:TPRT", "90,80,90,80"},
    {"SYS:TPRTMP", "90,80"},
    {"SYS:TPRTSTB", "80,80"},
    {"SYS:TPRTMPSTB", "80"},
    {"SYS:PIBK:COLTPON", "50.00"},
    {"SYS:PIIFBK:COLTPON", "50.00"},
    {"SYS:PGAN:COLSTB", "2.000E-03,1.000E-03,600"},
    {"SYS:PGAN:COLANA", "1.000E-02,5.000E-03,600"},
    // plasma ignition recipe
    {"SYS:IGNT:PLGS", "18.00,15.00,16.00"},
    {"SYS:IGNT:AXGS", "1.50,1.00,0.90"},
    {"SYS:IGNT:CRGS", "0.60,0.40,0.00"},
    {"SYS:IGNT:CRGSORGN", "0.30"},
    {"SYS:IGNT:MUGS", "0.20,0.10,0.00"},
    {"SYS:IGNT:OPGS", "0.00,2.50,0.00"},
    {"SYS:IGNT:SRPS", "1.850,0.050,30"},
    {"SYS:IGNT:SHPS", "2.120,2.350,0.050,30"},
    {"SYS:IGNT:PF", "600,1200,1550"},
    {"SYS:IGNT:PFJMP", "900"},
    {"SYS:IGNT:PFORGN", "1600"},
    {"SYS:IGNT:PRLMT", "200,100"},
    {"SYS:IGNT:PR", "300,5"},
    {"SYS:IGNT:PURG", "20"},
    {"SYS:IGNT:IGWT", "3"},
    {"SYS:IGNT:XPOS", "5.0000"},
    // installation options sent before an ignition
    {"OPT:SPRAY", "1"},
    {"PLSM:SHLD", "1"},
    {"PLSM:SMPL", "0"},
    {"SYS:IMT:PUMP", "0"},
    {"ACQ:AXIS", "1"},
    // mass filter
    {"SYS:QPFRQ", "2.950"},
    {"SYS:AXIS", "1.0250,-0.12"},
    {"SYS:AMUGIN", "12"},
    {"SYS:AMUOFST", "-3"},
    {"SYS:LINEAR", "7,0.0012"},
    {"SYS:QPLINEAR", "0.0015,-0.0008"},
    {"SYS:STBMS", "5.00"},
    {"SYS:QPERR:TPICKUP", "70"},
    {"SYS:QPERR:TPOWER", "0.700"},
    {"SYS:QPERR:HVP", "540,660"},
    {"SYS:QPERR:HVN", "540,660"},
    // octopole
    {"SYS:OCP", "45.0,7"},
    {"SYS:OPFRQ", "9.000"},
    {"SYS:OPRFL", "25.0"},
    {"SYS:OCPENB", "1"},
    // detector
    {"SYS:EMEL", "-12.0"},
    {"SYS:EMGVA", "185.0"},
    {"SYS:EMGVP", "23.0"},
    {"SYS:EMLMT", "5.000000E+07,1.000000E+11"},
    {"SYS:DTIME", "115,3.800E-08,8.000E-09"},
    {"SYS:EMPA", "5.0E+06,5.0E+03"},
    {"SYS:LOGTLMT", "70"},
    {"SYS:LOG", "128,131"},
    {"SYS:LOGREF", "97"},
    {"SYS:EMWAIT", "1.000000E+09,10.0"},
    {"SYS:EMTUNE", "100.0"},
    {"SYS:DSCRLMT", "8.0"},
    // lens calibration of the detector gates
    {"SYS:ADJ:EMEL", "0.99850,0.120"},
    {"SYS:ADJ:EMGVA", "1.00210,-0.210"},
    // gas controller
    {"SYS:PLGSL", "12.00"},
    {"SYS:PLGST", "2.0,0.500"},
    {"SYS:OFFSET:PLGS", "0.012"},
    {"SYS:AXGSL", "0.60"},
    {"SYS:AXGST", "0.20,0.500"},
    {"SYS:OFFSET:AXGS", "-0.004"},
    {"SYS:CRGST", "0.20,0.500"},
    {"SYS:OFFSET:CRGS", "0.006"},
    {"SYS:MUGST", "0.20,0.500"},
    {"SYS:OFFSET:MUGS", "-0.002"},
    {"SYS:OPGST", "10.0,0.500"},
    {"SYS:OFFSET:OPGS", "0.003"},
    {"PRTC:FLOW:PLDPV", "0.150"},
    {"PRTC:FLOW:AXDPV", "0.150"},
    {"PRTC:FLOW:CRDPV", "0.160"},
    {"PRTC:FLOW:MUDPV", "0.140"},
    {"PRTC:FLOW:PLBPV", "0.200"},
    {"PRTC:FLOW:AXBPV", "0.200"},
    {"PRTC:FLOW:CRBPV", "0.210"},
    {"PRTC:FLOW:MUBPV", "0.190"},
    // water, chiller, stage, housing
    {"SYS:FSIF", "0.800,1.000"},
    {"SYS:FSRF", "1.000,1.200"},
    {"SYS:RFWCIF", "0.800,1.000"},
    {"SYS:TMPCL", "10.0"},
    {"SYS:TMPC", "35.0,30.0"},
    {"SYS:TMPST", "2.00"},
    {"SYS:TMPSH", "40.0,-10.0"},
    {"SYS:ADJ:XPOS", "1.2500"},
    {"SYS:ADJ:YPOS", "-0.5000"},
    {"SYS:ADJ:ZPOS", "0.3"},
    {"SYS:TMP1", "45.0,40.0"},
    {"SYS:TMP3", "55.0,50.0"},
};

// Switch outputs and their state in Standby: vacuum running, gate valve
// closed, gas supply open, RF off, lens and detector supplies on.
const struct {
    const char *path;
    bool on;
} kSwitches[] = {
    {"PRTC:BOUT:RPBK", true},    {"PRTC:BOUT:RPIF", true},    {"PRTC:BOUT:SVVAC", true},
    {"PRTC:BOUT:TPI", true},     {"PRTC:BOUT:TPA", true},     {"PRTC:BOUT:TMP", true},
    {"PRTC:BOUT:PGON", true},    {"PRTC:BOUT:SVIF", true},    {"PRTC:BOUT:S24ON", true},
    {"PRTC:BOUT:SVAG", true},    {"PRTC:BOUT:SVPRV", false},  {"PRTC:BOUT:SVPRG", false},
    {"PRTC:BOUT:SRRM", false},   {"PRTC:BOUT:RFFAN", true},   {"PRTC:BOUT:RFOSC", false},
    {"PRTC:BOUT:RFON", false},   {"PRTC:BOUT:IGNT", false},   {"PRTC:BOUT:SVW", true},
    {"PRTC:BOUT:LHVEN", true},   {"PRTC:BOUT:QPFAN", true},   {"PRTC:BOUT:QPTC", true},
    {"PRTC:BOUT:PBCLR", false},  {"PRTC:BOUT:OPFB", true},    {"PRTC:BOUT:OPRFEN", true},
    {"FRCD:BOUT:ISOV", false},   {"FRCD:BOUT:S75ON", true},   {"FRCD:BOUT:TFAN", true},
    {"FRCD:BOUT:SVOP", false},   {"FRCD:BOUT:SVCR", false},   {"MNTE:SVC:STB", true},
    {"MNTE:SVC:SVAG", false},    {"PRTC:MASS:TLOGSW", true},
};

// Analog outputs (set points) with their tuned values and reply formats.
const struct {
    const char *path;
    double value;
    const char *format;
} kSetpoints[] = {
    {"PRTC:AOUT:PF", 0.0, "%.0f"},        {"PRTC:AOUT:PRLMT", 200.0, "%.0f"},
    {"PRTC:AOUT:SRPS", 1.850, "%.3f"},    {"PRTC:AOUT:SHPS", 2.120, "%.3f"},
    {"PRTC:AOUT:PLGS", 0.0, "%.2f"},      {"PRTC:AOUT:AXGS", 0.0, "%.3f"},
    {"PRTC:AOUT:CRGS", 0.0, "%.3f"},      {"PRTC:AOUT:MUGS", 0.0, "%.3f"},
    {"FRCD:AOUT:OPGS", 0.0, "%.2f"},      {"FRCD:PER:PUMP1", 0.0, "%.2f"},
    {"FRCD:PER:PUMP2", 0.0, "%.2f"},      {"PRTC:AOUT:EMHVA", 1850.0, "%.0f"},
    {"PRTC:AOUT:EMHVP", 1250.0, "%.0f"},  {"PRTC:AOUT:EMEL", -12.0, "%.1f"},
    {"PRTC:AOUT:EMGVA", 185.0, "%.1f"},   {"PRTC:AOUT:EMGVP", 23.0, "%.1f"},
    {"PRTC:AOUT:RFTH", 0.512, "%.3f"},    {"PRTC:MASS:PBIA", -3.0, "%.1f"},
    {"PRTC:MASS:QPFRQ", 2.950, "%.3f"},   {"PRTC:MASS:DSCR", 10.0, "%.1f"},
    {"PRTC:LENS:OPA", 180.0, "%.1f"},     {"PRTC:LENS:OPFETB", 2.5, "%.1f"},
    {"PRTC:LENS:OPFRQ", 9.000, "%.3f"},   {"PRTC:LENS:OPRFL", 80.0, "%.1f"},
    {"FRCD:XYZ:XPOS", 5.0, "%.4f"},       {"FRCD:XYZ:YPOS", 0.25, "%.4f"},
    {"FRCD:XYZ:ZPOS", -0.125, "%.5f"},
};

// Tuned lens voltages, lens 1 to 10.
const double kLensTune[11] = {0, -120.0, -80.0, -10.0, -60.0, -20.0, -5.0, -35.0, -1.0, -8.0, -3.0};

const char *const kTurboSwitch[3] = {"PRTC:BOUT:TPI", "PRTC:BOUT:TPA", "PRTC:BOUT:TMP"};
const char *const kTurboSpeed[3] = {"PRTC:AIN:RTPI", "PRTC:AIN:RTPA", "PRTC:AIN:RTMP"};
const char *const kFlowSetpoint[4] = {"PRTC:AOUT:PLGS", "PRTC:AOUT:AXGS", "PRTC:AOUT:CRGS", "PRTC:AOUT:MUGS"};

// New lens calibration pairs after calibration run `run` (deterministic, inside 0.9..1.1 and +-9.999).
std::string CalibrationPair(int lens, int run)
{
    double slope = 1.0 + (((lens * 7 + run * 3) % 13) - 6) * 0.00037;
    double offset = (((lens * 5 + run * 11) % 17) - 8) * 0.011;
    return Format("%.5f,%.3f", slope, offset);
}

}  // namespace

Model::Model() { Reset(); }

void Model::Reset()
{
    nodes_.clear();
    stored_.clear();
    switches_.clear();
    setpoints_.clear();
    errors_.clear();
    memory_.FillPattern();
    turbos_ = 2;
    plasma_ = lensCal_ = flowAdj_ = xyzInit_ = Sequence();
    plasmaPurge_ = {2, 0};
    plasmaIgnite_ = {2, 0};
    lensCalPhase_ = {5, 0};
    flowAdjPhase_ = {3, 0};
    xyzInitPhase_ = {3, 0};
    plasmaFails_ = false;
    calibrations_ = adjustments_ = 0;
    Build();
    Defaults();
}

// ---------------------------------------------------------------- building

Model::Node &Model::Add(const std::string &path, Kind kind)
{
    Node &n = nodes_[path];
    n = Node();
    n.kind = kind;
    return n;
}

void Model::AddStored(const char *path, const char *value)
{
    Add(path, Kind::Stored).fields = (int)Split(value, ',').size();
    stored_[path] = value;
}

void Model::AddSwitch(const char *path, bool on)
{
    Add(path, Kind::Switch);
    switches_[path] = on;
}

void Model::AddSetpoint(const char *path, double value, const char *format)
{
    Add(path, Kind::Setpoint).format = format;
    setpoints_[path] = value;
}

void Model::AddInput(const char *path, const char *format, double level, ComputeFn compute, double *state)
{
    Node &n = Add(path, Kind::Input);
    n.format = format;
    n.level = level;
    n.compute = compute;
    n.state = state;
    if (state)
        *state = level;
}

void Model::AddCustom(const char *path, QueryFn query, CommandFn command, SetFn set)
{
    Node &n = Add(path, Kind::Custom);
    n.query = query;
    n.command = command;
    n.set = set;
}

void Model::Build()
{
    for (const auto &s : kStored)
        AddStored(s.path, s.value);
    Add("SYS:AUTOS", Kind::StoredOnOff);
    stored_["SYS:AUTOS"] = "1";
    Node &cal = Add("SYS:ADJ:LENS", Kind::StoredIndexed);
    cal.fields = 2;
    cal.indexMin = 1;
    cal.indexMax = 10;
    for (int n = 1; n <= 10; ++n)
        stored_[Format("SYS:ADJ:LENS %d", n)] = CalibrationPair(n, 0);

    for (const auto &s : kSwitches)
        AddSwitch(s.path, s.on);
    for (const auto &s : kSetpoints)
        AddSetpoint(s.path, s.value, s.format);
    Node &lens = Add("PRTC:AOUT:LENS", Kind::SetpointIndexed);
    lens.format = "%.1f";
    lens.indexMin = 1;
    lens.indexMax = 10;
    for (int n = 1; n <= 10; ++n)
        setpoints_[Format("PRTC:AOUT:LENS %d", n)] = kLensTune[n];

    // Error and status bits that nothing drives: 0 unless a scenario sets them.
    static const char *const kQuietBits[] = {
        "PRTC:BIN:ERRBRK", "PRTC:BIN:FNTP", "PRTC:BIN:GVERR", "PRTC:BIN:IFVERR", "PRTC:BIN:RFVDER",
        "PRTC:BIN:RFIDER", "PRTC:BIN:RFTMPE", "PRTC:BIN:UNBLER", "PRTC:BIN:DCNCER", "PRTC:BIN:RFLVER",
        "PRTC:BIN:RFFBER", "PRTC:BIN:RFFANER", "PRTC:BIN:MNBFAN", "PRTC:BIN:PRER", "PRTC:BIN:RF48VER",
        "PRTC:BIN:RFPSNC", "PRTC:BIN:VLOW", "PRTC:BIN:RFER", "PRTC:BIN:QPFAN", "PRTC:BIN:OPFBER",
        "PRTC:BIN:OPIDER", "PRTC:BIN:XLMTH", "PRTC:BIN:YLMTH", "PRTC:BIN:XINIERR", "PRTC:BIN:YINIERR",
        "PRTC:BIN:ZINIERR", "PRTC:BIN:XYZERR", "PRTC:BIN:XYZMNT", "PRTC:BIN:COVR", "PRTC:BIN:CVOPNER",
        "PRTC:BIN:ERRPW2", "PRTC:BIN:V24ER", "PRTC:BIN:ERRPW3", "PRTC:BIN:ERRPW4", "PRTC:BIN:ERRPW5",
    };
    for (const char *bit : kQuietBits)
        AddInput(bit, "%.0f", 0);

    // Readings that stay at their level.
    static const struct {
        const char *path;
        const char *format;
        double level;
    } kSteady[] = {
        {"PRTC:AIN:RFV12", "%.2f", 12.02}, {"PRTC:AIN:RFBI", "%.3f", 1.250},  {"PRTC:AIN:RFBIAS", "%.3f", 1.250},
        {"PRTC:AIN:RFDV", "%.2f", 11.95},  {"PRTC:AIN:RFTHS", "%.3f", 0.512}, {"PRTC:AIN:CHK12V", "%.2f", 12.05},
        {"PRTC:AIN:CHKP5", "%.3f", 5.012}, {"PRTC:AIN:RFDVS", "%.2f", 12.00}, {"PRTC:AIN:QPFAD", "%.3f", 1.250},
        {"PRTC:AIN:MSPF", "%.0f", 35},     {"PRTC:AIN:MSRF", "%.0f", 1},      {"PRTC:AIN:P600V", "%.1f", 598.5},
        {"PRTC:AIN:N600V", "%.1f", -601.2}, {"PRTC:AIN:TMPQPP", "%.3f", 0.452}, {"PRTC:AIN:HVL5", "%.3f", 5.008},
        {"PRTC:AIN:HVL12", "%.2f", 12.03}, {"PRTC:AIN:PGCR", "%.1f", 310.0},  {"PRTC:AIN:PGOPS", "%.1f", 480.0},
        {"PRTC:AIN:CHKVMF", "%.2f", -15.02}, {"PRTC:AIN:TMPGS", "%.1f", 35.2}, {"PRTC:AIN:TMPC", "%.1f", 21.5},
        {"PRTC:AIN:TMP1", "%.1f", 24.3},   {"PRTC:AIN:TMP3", "%.1f", 31.8},
    };
    for (const auto &s : kSteady)
        AddInput(s.path, s.format, s.level);

    // ---- vacuum
    AddInput("PRTC:AIN:PIBK", "%.3f", 2.6, nullptr, &pibk_);
    AddInput("PRTC:AIN:PIIF", "%.3f", 85.3, nullptr, &piif_);
    AddInput("PRTC:AIN:PIIFBK", "%.3f", 3.2, nullptr, &piifbk_);
    AddInput("PRTC:AIN:PGAN", "%.2E", 3.2e-5, nullptr, &pgan_);
    AddInput("PRTC:AIN:RTPI", "%.1f", 100.0, nullptr, &speed_[0]);
    AddInput("PRTC:AIN:RTPA", "%.1f", 100.0, nullptr, &speed_[1]);
    AddInput("PRTC:AIN:RTMP", "%.1f", 100.0, nullptr, &speed_[2]);
    // Turbo current: the level at full speed, more while accelerating, none when stopped.
    AddInput("PRTC:AIN:ITPI", "%.3f", 0.420, [](const Model &m, double l) { return m.TurboCurrent(0, l, 2.4); });
    AddInput("PRTC:AIN:ITPA", "%.3f", 0.310, [](const Model &m, double l) { return m.TurboCurrent(1, l, 1.8); });
    AddInput("PRTC:AIN:ITMP", "%.3f", 0.380, [](const Model &m, double l) { return m.TurboCurrent(2, l, 2.1); });
    AddInput("PRTC:AIN:VP75", "%.2f", 75.1,
             [](const Model &m, double level) { return m.On("FRCD:BOUT:S75ON") ? level : 0.35; });
    AddInput("PRTC:AIN:MVM", "%.2f", 0.02, [](const Model &m, double level) {
        return m.gate_ != (m.On("FRCD:BOUT:ISOV") ? 1.0 : 0.0) ? 23.8 : level;
    });
    AddInput("PRTC:AIN:IISOV", "%.3f", 0.003, [](const Model &m, double level) {
        return m.gate_ != (m.On("FRCD:BOUT:ISOV") ? 1.0 : 0.0) ? 0.850 : level;
    });
    AddInput("PRTC:AIN:CVM", "%.2f", 0.03, [](const Model &m, double level) { return m.gate_ >= 1 ? 23.9 : level; });
    AddInput("PRTC:AIN:CCM", "%.2f", 0.01, [](const Model &m, double level) { return m.gate_ >= 1 ? 0.18 : level; });
    AddInput("PRTC:BIN:ISOV1", "%.0f", 0, [](const Model &m, double l) { return m.gate_ <= 0 ? 1.0 : l; });
    AddInput("PRTC:BIN:ISOV2", "%.0f", 0, [](const Model &m, double l) { return m.gate_ >= 1 ? 1.0 : l; });
    AddInput("PRTC:BIN:VAON", "%.0f", 0, [](const Model &m, double l) {
        return m.On("PRTC:BOUT:RPBK") && m.Level("PRTC:BIN:ERRBRK") < 0.5 ? 1.0 : l;
    });
    AddInput("PRTC:BIN:IFVOPN", "%.0f", 0, [](const Model &m, double l) { return m.On("PRTC:BOUT:SVIF") ? 1.0 : l; });
    AddInput("PRTC:BOUT:TPSD", "%.0f", 0, [](const Model &m, double l) {
        for (int i = 0; i < 3; ++i)
            if (m.speed_[i] > 0.5 && !m.On(kTurboSwitch[i]))
                return 1.0;
        return l;
    });

    // ---- plasma and RF generator
    AddInput("PRTC:BIN:PSRAW", "%.0f", 0, [](const Model &m, double l) { return m.plasma_.code >= 2 ? 1.0 : l; });
    AddInput("PRTC:BIN:PSON", "%.0f", 0, [](const Model &m, double l) { return m.PlasmaLit() ? 1.0 : l; });
    AddInput("PRTC:BIN:SRLMTA", "%.0f", 0,
             [](const Model &m, double l) { return m.Set("PRTC:AOUT:SRPS") <= 0.02 ? 1.0 : l; });
    AddInput("PRTC:BIN:SRLMTB", "%.0f", 0,
             [](const Model &m, double l) { return m.Set("PRTC:AOUT:SRPS") >= 4.08 ? 1.0 : l; });
    AddInput("PRTC:BIN:SHLMTA", "%.0f", 0,
             [](const Model &m, double l) { return m.Set("PRTC:AOUT:SHPS") <= 0.02 ? 1.0 : l; });
    AddInput("PRTC:BIN:SHLMTB", "%.0f", 0,
             [](const Model &m, double l) { return m.Set("PRTC:AOUT:SHPS") >= 4.08 ? 1.0 : l; });
    AddInput("PRTC:AIN:PF", "%.0f", 0, [](const Model &m, double level) { return m.ForwardPower() + level; });
    AddInput("PRTC:AIN:PR", "%.0f", 0, [](const Model &m, double level) {
        double pf = m.ForwardPower();
        return (pf > 0 ? 3.0 + pf * 0.002 : 0.0) + level;
    });
    AddInput("PRTC:AIN:SRPS", "%.3f", 0, [](const Model &m, double l) { return m.Set("PRTC:AOUT:SRPS") + l; });
    AddInput("PRTC:AIN:SHPS", "%.3f", 0, [](const Model &m, double l) { return m.Set("PRTC:AOUT:SHPS") + l; });
    // Drain currents: the level with the generator idle, plus the power's share.
    AddInput("PRTC:AIN:ID1", "%.2f", 0.02, [](const Model &m, double l) { return l + m.ForwardPower() / 180.0; });
    AddInput("PRTC:AIN:ID2", "%.2f", 0.02, [](const Model &m, double l) { return l + m.ForwardPower() / 183.5; });
    AddInput("PRTC:AIN:ID3", "%.2f", 0.03, [](const Model &m, double l) { return l + m.ForwardPower() / 178.0; });
    AddInput("PRTC:AIN:ID4", "%.2f", 0.02, [](const Model &m, double l) { return l + m.ForwardPower() / 181.0; });
    AddInput("PRTC:AIN:TTA", "%.3f", 31.250, [](const Model &m, double l) { return l + m.ForwardPower() * 0.009; });
    AddInput("PRTC:AIN:TTB", "%.3f", 30.875, [](const Model &m, double l) { return l + m.ForwardPower() * 0.0088; });
    AddInput("PRTC:AIN:VDA", "%.1f", 47.8, [](const Model &m, double l) { return m.On("PRTC:BOUT:S24ON") ? l : 0.3; });
    AddInput("PRTC:AIN:VDB", "%.1f", 47.6, [](const Model &m, double l) { return m.On("PRTC:BOUT:S24ON") ? l : 0.3; });
    AddInput("PRTC:AIN:VD", "%.2f", 47.85, [](const Model &m, double l) { return m.On("PRTC:BOUT:S24ON") ? l : 0.3; });
    AddInput("PRTC:AIN:RF48V", "%.2f", 48.05,
             [](const Model &m, double l) { return m.On("PRTC:BOUT:S24ON") ? l : 0.31; });
    AddInput("PRTC:AIN:IDD", "%.3f", 0.120, [](const Model &m, double l) {
        return m.On("PRTC:BOUT:RFOSC") || m.ForwardPower() > 0 ? 0.850 : l;
    });
    AddInput("PRTC:AIN:RFTH", "%.3f", 0, [](const Model &m, double l) { return m.Set("PRTC:AOUT:RFTH") + l; });
    AddInput("PRTC:AIN:IGNT", "%.3f", 0.012, [](const Model &m, double l) {
        return m.On("PRTC:BOUT:IGNT") || m.plasma_.code == 2 ? 9.850 : l;
    });
    AddInput("PRTC:AIN:CHKPH", "%.0f", 3, [](const Model &m, double l) { return m.PlasmaLit() ? l + 9 : l; });
    AddInput("PRTC:AIN:UNBL", "%.3f", 0.012, [](const Model &m, double l) { return m.PlasmaLit() ? l + 0.033 : l; });

    // ---- mass filter
    AddInput("PRTC:AIN:UVPOS", "%.1f", 0.5, [](const Model &m, double l) { return l + 1.04 * std::max(m.mass_, 0.0); });
    AddInput("PRTC:AIN:UVNEG", "%.1f", -0.5,
             [](const Model &m, double l) { return l - 1.04 * std::max(m.mass_, 0.0); });
    AddInput("PRTC:AIN:VV", "%.1f", 2.0, [](const Model &m, double l) { return l + 6.2 * std::max(m.mass_, 0.0); });
    AddInput("PRTC:AIN:QPPHC", "%.2f", 0.85, [](const Model &m, double l) { return m.On("PRTC:BOUT:QPTC") ? l : 0.01; });
    AddInput("PRTC:AIN:PBMON", "%.3f", 0, [](const Model &m, double l) {
        return l + m.Set("PRTC:MASS:PBIA") + (m.On("PRTC:BOUT:PBCLR") ? 20.0 : 0.0);
    });
    AddInput("PRTC:AIN:TMPQP", "%.1f", 45.2, nullptr, &tmpqp_);

    // ---- lenses (the readback "PRTC:AIN:LENS? n" is custom, below)
    AddInput("PRTC:AIN:MVP", "%.3f", 250.4, [](const Model &m, double l) { return m.On("PRTC:BOUT:LHVEN") ? l : 0.2; });
    AddInput("PRTC:AIN:MVN", "%.3f", -249.8, [](const Model &m, double l) { return m.On("PRTC:BOUT:LHVEN") ? l : -0.2; });
    AddInput("PRTC:AIN:HVP", "%.3f", 550.6, [](const Model &m, double l) { return m.On("PRTC:BOUT:LHVEN") ? l : 0.4; });
    AddInput("PRTC:AIN:HVS24", "%.1f", 24.1, [](const Model &m, double l) { return m.On("PRTC:BOUT:S24ON") ? l : 0.2; });

    // ---- octopole
    AddInput("PRTC:AIN:OPAP", "%.1f", 0.3, [](const Model &m, double l) {
        return m.On("PRTC:BOUT:OPRFEN") ? m.Set("PRTC:LENS:OPA") + l : 0.1;
    });
    AddInput("PRTC:AIN:OPAN", "%.1f", -0.3, [](const Model &m, double l) {
        return m.On("PRTC:BOUT:OPRFEN") ? m.Set("PRTC:LENS:OPA") + l : 0.1;
    });
    AddInput("PRTC:AIN:OPA", "%.1f", 0, [](const Model &m, double l) {
        return m.On("PRTC:BOUT:OPRFEN") ? m.Set("PRTC:LENS:OPA") + l : 0.1;
    });
    AddInput("PRTC:AIN:OPBIA", "%.3f", 0, [](const Model &m, double l) { return m.Set("PRTC:LENS:OPFETB") + l; });
    AddInput("PRTC:AIN:OPID", "%.3f", 0.850,
             [](const Model &m, double l) { return m.On("PRTC:BOUT:OPRFEN") ? l : 0.005; });

    // ---- detector
    AddInput("PRTC:BIN:EMPRA", "%.0f", 0, [](const Model &m, double l) { return (m.gateCode_ & 4) ? l : 1.0; });
    AddInput("PRTC:BIN:EMPRP", "%.0f", 0, [](const Model &m, double l) { return (m.gateCode_ & 8) ? l : 1.0; });
    AddInput("PRTC:AIN:EMHVA", "%.1f", 0, [](const Model &m, double l) {
        return m.On("PRTC:BOUT:LHVEN") ? m.Set("PRTC:AOUT:EMHVA") + l : 0.0;
    });
    AddInput("PRTC:AIN:EMHVP", "%.1f", 0, [](const Model &m, double l) {
        return m.On("PRTC:BOUT:LHVEN") ? m.Set("PRTC:AOUT:EMHVP") + l : 0.0;
    });
    AddInput("PRTC:AIN:EMGVA", "%.1f", 0, [](const Model &m, double l) {
        return l + ((m.gateCode_ & 4) ? m.Set("PRTC:AOUT:EMGVA") : m.Set("PRTC:AOUT:EMEL"));
    });
    AddInput("PRTC:AIN:EMGVP", "%.1f", 0.5, [](const Model &m, double l) {
        return (m.gateCode_ & 8) ? m.Set("PRTC:AOUT:EMHVP") * m.Set("PRTC:AOUT:EMGVP") / 100.0 : l;
    });
    AddInput("PRTC:MASS:TLOGA", "%.0f", 40, nullptr, &tloga_);

    // ---- gas controller
    AddInput("PRTC:AIN:PGAR", "%.1f", 520.0, nullptr, &pgar_);
    AddInput("PRTC:AIN:PGOP", "%.1f", 150.0, [](const Model &m, double l) { return m.On("FRCD:BOUT:SVOP") ? l : 0.0; });
    AddInput("PRTC:AIN:OPGS", "%.2f", 0, [](const Model &m, double l) {
        return l + (m.On("FRCD:BOUT:SVOP") ? std::max(0.0, m.Set("FRCD:AOUT:OPGS")) : 0.0);
    });
    // Measured flows: the reading at zero flow (the level) plus what flows.
    AddInput("PRTC:AIN:PLGS", "%.2f", 0.02,
             [](const Model &m, double l) { return l + m.GasFlow("PRTC:AOUT:PLGS"); });
    AddInput("PRTC:AIN:AXGS", "%.3f", 0.003,
             [](const Model &m, double l) { return l + m.GasFlow("PRTC:AOUT:AXGS"); });
    AddInput("PRTC:AIN:CRGS", "%.3f", 0.004,
             [](const Model &m, double l) { return l + m.GasFlow("PRTC:AOUT:CRGS"); });
    AddInput("PRTC:AIN:MUGS", "%.3f", 0.002,
             [](const Model &m, double l) { return l + m.GasFlow("PRTC:AOUT:MUGS"); });
    // Flow sensors of the automatic flow controller: differential pressure
    // (DP) grows with the flow, back pressure (BP) with the line pressure; the
    // level is each sensor's true zero offset in volts.
    AddInput("PRTC:AIN:PLDP", "%.3f", 0.152,
             [](const Model &m, double l) { return l + 0.200 * m.GasFlow("PRTC:AOUT:PLGS"); });
    AddInput("PRTC:AIN:AXDP", "%.3f", 0.148,
             [](const Model &m, double l) { return l + 1.600 * m.GasFlow("PRTC:AOUT:AXGS"); });
    AddInput("PRTC:AIN:CRDP", "%.3f", 0.161,
             [](const Model &m, double l) { return l + 1.600 * m.GasFlow("PRTC:AOUT:CRGS"); });
    AddInput("PRTC:AIN:MUDP", "%.3f", 0.139,
             [](const Model &m, double l) { return l + 1.600 * m.GasFlow("PRTC:AOUT:MUGS"); });
    AddInput("PRTC:AIN:PLBP", "%.3f", 0.205, [](const Model &m, double l) { return l + 0.004 * m.pgar_; });
    AddInput("PRTC:AIN:AXBP", "%.3f", 0.198, [](const Model &m, double l) { return l + 0.004 * m.pgar_; });
    AddInput("PRTC:AIN:CRBP", "%.3f", 0.211, [](const Model &m, double l) { return l + 0.004 * m.pgar_; });
    AddInput("PRTC:AIN:MUBP", "%.3f", 0.187, [](const Model &m, double l) { return l + 0.004 * m.pgar_; });
    AddInput("PRTC:AIN:PLDPKPA", "%.2f", 0.05,
             [](const Model &m, double l) { return l + 0.45 * m.GasFlow("PRTC:AOUT:PLGS"); });
    AddInput("PRTC:AIN:AXDPKPA", "%.2f", 0.04,
             [](const Model &m, double l) { return l + 4.1 * m.GasFlow("PRTC:AOUT:AXGS"); });
    AddInput("PRTC:AIN:CRDPKPA", "%.2f", 0.06,
             [](const Model &m, double l) { return l + 4.1 * m.GasFlow("PRTC:AOUT:CRGS"); });
    AddInput("PRTC:AIN:MUDPKPA", "%.2f", 0.05,
             [](const Model &m, double l) { return l + 4.1 * m.GasFlow("PRTC:AOUT:MUGS"); });
    AddInput("PRTC:AIN:PLBPKPA", "%.0f", 3, [](const Model &m, double l) { return l + 0.58 * m.pgar_; });
    AddInput("PRTC:AIN:AXBPKPA", "%.0f", 2, [](const Model &m, double l) { return l + 0.55 * m.pgar_; });
    AddInput("PRTC:AIN:CRBPKPA", "%.0f", 2, [](const Model &m, double l) { return l + 0.57 * m.pgar_; });
    AddInput("PRTC:AIN:MUBPKPA", "%.0f", 3, [](const Model &m, double l) { return l + 0.56 * m.pgar_; });

    // ---- water and chiller
    AddInput("PRTC:AIN:FSIF", "%.3f", 1.850, [](const Model &m, double l) { return m.On("PRTC:BOUT:SVW") ? l : 0.012; });
    AddInput("PRTC:AIN:FSRF", "%.3f", 2.350, [](const Model &m, double l) { return m.On("PRTC:BOUT:SVW") ? l : 0.010; });
    AddInput("PRTC:AIN:RFWCIF", "%.3f", 4.150,
             [](const Model &m, double l) { return m.On("PRTC:BOUT:SVW") ? l : 0.015; });
    // Level of the chamber temperature: the room it drifts to without control.
    AddInput("PRTC:AIN:TMPS", "%.2f", 22.0, [](const Model &m, double) { return m.tmps_; });
    AddInput("PRTC:AIN:TMPSH", "%.2f", 0.25, [](const Model &m, double l) { return m.tmps_ + l; });
    AddInput("PRTC:AIN:CHKPEL", "%.1f", 8.5, [](const Model &m, double l) { return m.chiller_ ? l : 0.1; });

    // ---- torch stage
    AddInput(
        "PRTC:BIN:TRCLST", "%.0f", 1,
        [](const Model &m, double) { return m.xyzInit_.code == 0 && m.onTrack_ >= 0.5 ? 1.0 : 0.0; }, &onTrack_);
    AddInput("PRTC:BIN:XLMTL", "%.0f", 0, [](const Model &m, double l) { return m.xyzInit_.code ? 1.0 : l; });
    AddInput("PRTC:BIN:YLMTL", "%.0f", 0, [](const Model &m, double l) { return m.xyzInit_.code ? 1.0 : l; });
    AddInput("PRTC:BIN:ZLMTL", "%.0f", 0, [](const Model &m, double l) { return m.xyzInit_.code ? 1.0 : l; });

    // ---- instrument state, sequences and the rest
    AddInput("TRNS:STAT", "%.0f", 1);

    AddCustom(
        "PRTC:AIN:LENS",
        [](Model &m, const std::string &args, std::string *out) {
            int n = 0;
            if (!ParseIndex(args, 1, 10, &n))
                return Outcome::Malformed;
            double v = m.On("PRTC:BOUT:LHVEN") ? m.setpoints_[Format("PRTC:AOUT:LENS %d", n)] : 0.0;
            *out = Format("%.1f", v);
            return Outcome::Ok;
        },
        nullptr);

    AddCustom(
        "PLSM:STAT",
        [](Model &m, const std::string &args, std::string *out) {
            if (!args.empty())
                return Outcome::Malformed;
            m.Advance(m.plasma_, true);
            *out = Format("%d", m.plasma_.code);
            return Outcome::Ok;
        },
        nullptr,
        [](Model &m, const std::string &value) {
            long code = 0;
            if (!ParseInteger(value, &code) || code < 0 || code > 3)
                return false;
            m.plasma_.code = (int)code;
            m.plasma_.count = 0;
            m.plasma_.start = m.now_;
            if (code == 3) {
                m.plasma_.code = 2;
                m.Finish(m.plasma_);  // the effects of a lit plasma
            }
            return true;
        });
    AddCustom("PLSM:IGNT", nullptr, [](Model &m, const std::string &args) {
        if (!args.empty())
            return Outcome::Malformed;
        if (m.plasma_.code == 0) {
            m.plasma_ = Sequence{1, 0, m.now_};
            m.Switch("PRTC:BOUT:SVAG", true);
            m.SetOutput("PRTC:AOUT:PLGS", m.StoredField("SYS:IGNT:PLGS", 1));
            m.SetOutput("PRTC:AOUT:AXGS", m.StoredField("SYS:IGNT:AXGS", 1));
            m.SetOutput("PRTC:AOUT:CRGS", m.StoredField("SYS:IGNT:CRGS", 1));
            m.SetOutput("PRTC:AOUT:MUGS", m.StoredField("SYS:IGNT:MUGS", 1));
            m.SetOutput("PRTC:AOUT:SRPS", m.StoredField("SYS:IGNT:SRPS", 1));
            m.SetOutput("PRTC:AOUT:SHPS", m.StoredField("SYS:IGNT:SHPS", 1));
        }
        return Outcome::Ok;
    });
    AddCustom("PLSM:EXTN", nullptr, [](Model &m, const std::string &args) {
        if (!args.empty())
            return Outcome::Malformed;
        m.plasma_ = Sequence{0, 0, m.now_};
        for (const char *flow : kFlowSetpoint)
            m.SetOutput(flow, 0.0);
        return Outcome::Ok;
    });

    AddCustom(
        "PRTC:LENS:STAT",
        [](Model &m, const std::string &args, std::string *out) {
            if (!args.empty())
                return Outcome::Malformed;
            m.Advance(m.lensCal_, true);
            *out = Format("%d", m.lensCal_.code);
            return Outcome::Ok;
        },
        nullptr);
    AddCustom("PRTC:LENS:ADJ", nullptr, [](Model &m, const std::string &args) {
        if (!args.empty())
            return Outcome::Malformed;
        if (m.lensCal_.code == 0)
            m.lensCal_ = Sequence{1, 0, m.now_};
        return Outcome::Ok;
    });
    AddCustom(
        "PRTC:FLOW:STAT",
        [](Model &m, const std::string &args, std::string *out) {
            if (!args.empty())
                return Outcome::Malformed;
            m.Advance(m.flowAdj_, true);
            *out = Format("%d", m.flowAdj_.code);
            return Outcome::Ok;
        },
        nullptr);
    AddCustom("PRTC:FLOW:ADJ", nullptr, [](Model &m, const std::string &args) {
        if (!args.empty())
            return Outcome::Malformed;
        if (m.flowAdj_.code == 0)
            m.flowAdj_ = Sequence{1, 0, m.now_};
        return Outcome::Ok;
    });
    AddCustom(
        "PRTC:XYZ:STAT",
        [](Model &m, const std::string &args, std::string *out) {
            if (!args.empty())
                return Outcome::Malformed;
            m.Advance(m.xyzInit_, true);
            bool homing = m.xyzInit_.code != 0;
            *out = Format("%d,%.0f,%.4f,%.4f,%.5f", m.xyzInit_.code, m.Level("PRTC:BIN:XYZERR"),
                          homing ? 0.0 : m.stage_[0], homing ? 0.0 : m.stage_[1], homing ? 0.0 : m.stage_[2]);
            return Outcome::Ok;
        },
        nullptr);
    AddCustom("PRTC:XYZ:INI", nullptr, [](Model &m, const std::string &args) {
        if (!args.empty())
            return Outcome::Malformed;
        if (m.xyzInit_.code == 0)
            m.xyzInit_ = Sequence{1, 0, m.now_};
        return Outcome::Ok;
    });

    AddCustom("PRTC:TMPS:STRT", nullptr, [](Model &m, const std::string &args) {
        double v = 0;
        if (!ParseNumber(args, &v))
            return Outcome::Malformed;
        m.chiller_ = true;
        m.chillerSet_ = v;
        return Outcome::Ok;
    });
    AddCustom("PRTC:TMPS:STOP", nullptr, [](Model &m, const std::string &args) {
        if (!args.empty())
            return Outcome::Malformed;
        m.chiller_ = false;
        return Outcome::Ok;
    });

    AddCustom(
        "PRTC:MASS:MASS",
        [](Model &m, const std::string &args, std::string *out) {
            if (!args.empty())
                return Outcome::Malformed;
            *out = Format("%d,%.2f", m.gateCode_, m.mass_);
            return Outcome::Ok;
        },
        [](Model &m, const std::string &args) {
            std::vector<std::string> items = Split(args, ',');
            int code = 0;
            double mass = 0;
            if (items.size() != 2 || !ParseIndex(items[0], 0, 15, &code) || !ParseNumber(items[1], &mass))
                return Outcome::Malformed;
            m.gateCode_ = code;
            m.mass_ = mass;
            return Outcome::Ok;
        });

    // "TUNE:HSET 1": the tuned settings come back (lenses, detector, octopole, QP bias).
    AddCustom("TUNE:HSET", nullptr, [](Model &m, const std::string &args) {
        long v = 0;
        if (!ParseInteger(args, &v))
            return Outcome::Malformed;
        for (int n = 1; n <= 10; ++n)
            m.setpoints_[Format("PRTC:AOUT:LENS %d", n)] = kLensTune[n];
        static const char *const kTuned[] = {"PRTC:AOUT:EMHVA", "PRTC:AOUT:EMHVP", "PRTC:MASS:DSCR",
                                             "PRTC:MASS:PBIA",  "PRTC:LENS:OPA",   "PRTC:LENS:OPFETB"};
        for (const char *path : kTuned)
            for (const auto &s : kSetpoints)
                if (std::string(s.path) == path)
                    m.setpoints_[path] = s.value;
        m.Switch("PRTC:BOUT:LHVEN", true);
        m.Switch("PRTC:BOUT:OPRFEN", true);
        return Outcome::Ok;
    });

    AddCustom(
        "MNTE:SVC:PICDIS",
        [](Model &m, const std::string &args, std::string *out) {
            int n = 0;
            if (!ParseIndex(args, 0, 15, &n))
                return Outcome::Malformed;
            auto it = m.stored_.find(Format("MNTE:SVC:PICDIS %d", n));
            *out = it == m.stored_.end() ? "#H0" : it->second;
            return Outcome::Ok;
        },
        [](Model &m, const std::string &args) {
            std::vector<std::string> items = Split(args, ',');
            int n = 0;
            long mask = 0;
            if (items.size() != 2 || !ParseIndex(items[0], 0, 15, &n) || !ParseInteger(items[1], &mask))
                return Outcome::Malformed;
            m.stored_[Format("MNTE:SVC:PICDIS %d", n)] = Format("#H%lX", mask);
            return Outcome::Ok;
        });

    AddCustom(
        "PEC:EROM",
        [](Model &m, const std::string &args, std::string *out) {
            unsigned address = 0, count = 0;
            if (!Memory::ParseQuery(args, &address, &count))
                return Outcome::Malformed;
            *out = m.memory_.FormatBlock(address, count);
            return Outcome::Ok;
        },
        nullptr);
    AddCustom("POC:EROM", nullptr, [](Model &m, const std::string &args) {
        unsigned address = 0;
        std::vector<uint8_t> data;
        if (!Memory::ParseRecord(args, &address, &data))
            return Outcome::Malformed;
        m.memory_.Write(address, data.data(), (unsigned)data.size());
        if (m.onMemoryWritten)
            m.onMemoryWritten();
        return Outcome::Ok;
    });

    AddCustom(
        "*IDN",
        [](Model &, const std::string &args, std::string *out) {
            if (!args.empty())
                return Outcome::Malformed;
            *out = "KORVANE TECHNOLOGIES,TELVOR SIMULATED INSTRUMENT,0,1.0";
            return Outcome::Ok;
        },
        nullptr);
    AddCustom(
        "SYST:ERR",
        [](Model &m, const std::string &args, std::string *out) {
            if (!args.empty())
                return Outcome::Malformed;
            if (m.errors_.empty()) {
                *out = "0,\"No error\"";
            } else {
                *out = m.errors_.front();
                m.errors_.pop_front();
            }
            return Outcome::Ok;
        },
        nullptr);
}

void Model::Defaults()
{
    now_ = 0;
    gate_ = 0;
    chiller_ = true;
    chillerSet_ = 2.0;
    tmps_ = 2.05;
    gateCode_ = 15;
    mass_ = -2;
    for (int i = 0; i < 3; ++i)
        stage_[i] = setpoints_[i == 0 ? "FRCD:XYZ:XPOS" : i == 1 ? "FRCD:XYZ:YPOS" : "FRCD:XYZ:ZPOS"];
}

// ---------------------------------------------------------------- reading the model

bool Model::On(const char *path) const
{
    auto it = switches_.find(path);
    return it != switches_.end() && it->second;
}

double Model::Set(const char *path) const
{
    auto it = setpoints_.find(path);
    return it == setpoints_.end() ? 0.0 : it->second;
}

double Model::Level(const char *path) const
{
    auto it = nodes_.find(path);
    return it == nodes_.end() ? 0.0 : it->second.level;
}

double Model::StoredField(const char *path, int field) const
{
    auto it = stored_.find(path);
    if (it == stored_.end())
        return 0.0;
    std::vector<std::string> items = Split(it->second, ',');
    double v = 0;
    if (field < 1 || field > (int)items.size() || !ParseNumber(items[field - 1], &v))
        return 0.0;
    return v;
}

double Model::ForwardPower() const
{
    if (PlasmaLit())
        return StoredField("SYS:IGNT:PF", 3);
    if (plasma_.code == 2)
        return StoredField("SYS:IGNT:PF", 2);
    if (plasma_.code == 1)
        return 0.0;
    return On("PRTC:BOUT:RFOSC") && On("PRTC:BOUT:RFON") ? std::max(0.0, Set("PRTC:AOUT:PF")) : 0.0;
}

// What flows through one argon channel: its set point, while the line holds
// enough pressure to deliver it.
double Model::GasFlow(const char *setpoint) const
{
    return std::max(0.0, Set(setpoint)) * std::min(1.0, pgar_ / 100.0);
}

double Model::TurboCurrent(int pump, double level, double accelerating) const
{
    if (speed_[pump] <= 0.5)
        return 0.0;
    return On(kTurboSwitch[pump]) && speed_[pump] < Level(kTurboSpeed[pump]) ? accelerating : level;
}

// ---------------------------------------------------------------- physics

void Model::Tick(double nowMs)
{
    now_ = nowMs;
    bool breaker = Level("PRTC:BIN:ERRBRK") >= 0.5;
    bool backingPump = On("PRTC:BOUT:RPBK") && !breaker;
    bool interfacePump = On("PRTC:BOUT:RPIF") && !breaker;

    RelaxLog(pibk_, backingPump && On("PRTC:BOUT:SVVAC") ? Level("PRTC:AIN:PIBK") : kVented, 0.15);
    RelaxLog(piif_, interfacePump && On("PRTC:BOUT:SVIF") ? Level("PRTC:AIN:PIIF") * (PlasmaLit() ? 2.5 : 1.0) : kVented,
             0.15);
    RelaxLog(piifbk_, backingPump ? Level("PRTC:AIN:PIIFBK") : kVented, 0.15);

    // Turbo pumps need their switch, the +75 V supply and a backing vacuum.
    for (int i = 0; i < 3; ++i) {
        double backing = i < 2 ? pibk_ : piifbk_;
        double full = Level(kTurboSpeed[i]);
        bool driven = On(kTurboSwitch[i]) && On("FRCD:BOUT:S75ON") && backing < 1000.0;
        if (driven && speed_[i] < full)
            speed_[i] = std::min(full, speed_[i] + 1.5);
        else if (driven)
            speed_[i] = std::max(full, speed_[i] - 0.5);
        else
            speed_[i] = std::max(0.0, speed_[i] - 0.5);
    }

    // The Penning gauge reads only while switched on; the analyser pressure
    // follows the turbo speed and the gate valve.
    if (!On("PRTC:BOUT:PGON")) {
        pgan_ = 0;
    } else {
        double s = turbos_ == 1 ? speed_[2] : std::min(speed_[0], speed_[1]);
        double factor = s >= 95 ? 1.0 : std::pow(100.0 / std::max(s, 1.0), 3);
        double target = std::min(10.0, Level("PRTC:AIN:PGAN") * factor * (gate_ > 0.5 ? 8.0 : 1.0) *
                                           (PlasmaLit() && gate_ > 0.5 ? 3.0 : 1.0));
        RelaxLog(pgan_, target, 0.2);
    }

    // The gate valve travels in about twelve exchanges.
    double gateTarget = On("FRCD:BOUT:ISOV") ? 1.0 : 0.0;
    if (gate_ < gateTarget)
        gate_ = std::min(gateTarget, gate_ + 1.0 / 12);
    else if (gate_ > gateTarget)
        gate_ = std::max(gateTarget, gate_ - 1.0 / 12);

    // Argon line: fed through the main valve; with the valve closed it vents
    // through the flow controllers that are set to flow.
    if (On("PRTC:BOUT:SVAG")) {
        RelaxLinear(pgar_, Level("PRTC:AIN:PGAR"), 0.5);
    } else {
        double flows = 0;
        for (const char *flow : kFlowSetpoint)
            flows += std::max(0.0, Set(flow));
        if (flows > 0)
            pgar_ *= std::max(0.3, 1.0 - 0.04 * flows);
    }

    RelaxLinear(tmpqp_, On("PRTC:BOUT:QPTC") ? Level("PRTC:AIN:TMPQP") : 28.0, 0.05);
    RelaxLinear(tloga_, On("PRTC:MASS:TLOGSW") ? Level("PRTC:MASS:TLOGA") : 27.0, 0.05);
    RelaxLinear(tmps_, chiller_ && On("PRTC:BOUT:SVW") ? chillerSet_ + 0.05 : Level("PRTC:AIN:TMPS"), 0.1);

    // The stage follows its targets while it knows where it is.
    if (onTrack_ >= 0.5 && xyzInit_.code == 0) {
        stage_[0] = Set("FRCD:XYZ:XPOS");
        stage_[1] = Set("FRCD:XYZ:YPOS");
        stage_[2] = Set("FRCD:XYZ:ZPOS");
    }

    Advance(plasma_, false);
    Advance(lensCal_, false);
    Advance(flowAdj_, false);
    Advance(xyzInit_, false);
}

// ---------------------------------------------------------------- sequences

const Phase &Model::PhaseOf(const Sequence &seq) const
{
    if (&seq == &plasma_)
        return seq.code == 1 ? plasmaPurge_ : plasmaIgnite_;
    if (&seq == &lensCal_)
        return lensCalPhase_;
    if (&seq == &flowAdj_)
        return flowAdjPhase_;
    return xyzInitPhase_;
}

// Ends the phases that are over; a status query then counts in the phase it answers.
void Model::Advance(Sequence &seq, bool statusQuery)
{
    while (seq.code != 0 && !(&seq == &plasma_ && seq.code == 3)) {
        const Phase &ph = PhaseOf(seq);
        bool over = (ph.polls == 0 && ph.ms == 0) || (ph.polls > 0 && seq.count >= ph.polls) ||
                    (ph.ms > 0 && now_ - seq.start >= ph.ms);
        if (!over)
            break;
        Finish(seq);
    }
    if (statusQuery)
        ++seq.count;
}

void Model::Finish(Sequence &seq)
{
    int next = 0;
    if (&seq == &plasma_) {
        if (seq.code == 1) {
            next = 2;
            SetOutput("PRTC:AOUT:PLGS", StoredField("SYS:IGNT:PLGS", 2));
            SetOutput("PRTC:AOUT:AXGS", StoredField("SYS:IGNT:AXGS", 2));
            SetOutput("PRTC:AOUT:CRGS", StoredField("SYS:IGNT:CRGS", 2));
            SetOutput("PRTC:AOUT:MUGS", StoredField("SYS:IGNT:MUGS", 2));
        } else if (plasmaFails_) {
            for (const char *flow : kFlowSetpoint)
                SetOutput(flow, 0.0);
        } else {
            next = 3;
            Switch("PRTC:BOUT:SVAG", true);
            SetOutput("PRTC:AOUT:PLGS", StoredField("SYS:IGNT:PLGS", 3));
            SetOutput("PRTC:AOUT:AXGS", StoredField("SYS:IGNT:AXGS", 3));
            SetOutput("PRTC:AOUT:CRGS", 0.850);  // the tuned carrier and makeup flows
            SetOutput("PRTC:AOUT:MUGS", 0.150);
            SetOutput("PRTC:AOUT:SHPS", StoredField("SYS:IGNT:SHPS", 2));
        }
    } else if (&seq == &lensCal_) {
        ++calibrations_;
        for (int n = 1; n <= 10; ++n)
            stored_[Format("SYS:ADJ:LENS %d", n)] = CalibrationPair(n, calibrations_);
        stored_["SYS:ADJ:EMEL"] = CalibrationPair(11, calibrations_);
        stored_["SYS:ADJ:EMGVA"] = CalibrationPair(12, calibrations_);
    } else if (&seq == &flowAdj_) {
        ++adjustments_;
        static const char *const kOffsets[] = {"SYS:OFFSET:PLGS", "SYS:OFFSET:AXGS", "SYS:OFFSET:CRGS",
                                               "SYS:OFFSET:MUGS", "SYS:OFFSET:OPGS"};
        int k = 0;
        for (const char *path : kOffsets) {
            ++k;
            stored_[path] = Format("%.3f", (((k * 3 + adjustments_ * 5) % 9) - 4) * 0.004);
        }
    } else {
        onTrack_ = 1;
        stage_[0] = Set("FRCD:XYZ:XPOS");
        stage_[1] = Set("FRCD:XYZ:YPOS");
        stage_[2] = Set("FRCD:XYZ:ZPOS");
    }
    seq = Sequence{next, 0, now_};
}

// ---------------------------------------------------------------- requests

bool Model::Knows(const Request &r) const
{
    auto it = nodes_.find(r.header);
    if (it == nodes_.end())
        return false;
    const Node &n = it->second;
    switch (n.kind) {
    case Kind::Input:
        return r.query;
    case Kind::Custom:
        return r.query ? n.query != nullptr : n.command != nullptr;
    default:
        return true;
    }
}

Outcome Model::Query(const Request &r, std::string *out)
{
    if (!r.query || !Knows(r))
        return Outcome::Unknown;
    Node &n = nodes_[r.header];
    int index = 0;
    switch (n.kind) {
    case Kind::Stored:
    case Kind::StoredOnOff:
        if (!r.args.empty())
            return Outcome::Malformed;
        *out = stored_[r.header];
        return Outcome::Ok;
    case Kind::StoredIndexed:
        if (!ParseIndex(r.args, n.indexMin, n.indexMax, &index))
            return Outcome::Malformed;
        *out = stored_[r.header + Format(" %d", index)];
        return Outcome::Ok;
    case Kind::Switch:
        if (!r.args.empty())
            return Outcome::Malformed;
        *out = switches_[r.header] ? "1" : "0";
        return Outcome::Ok;
    case Kind::Setpoint:
        if (!r.args.empty())
            return Outcome::Malformed;
        *out = Format(n.format, setpoints_[r.header]);
        return Outcome::Ok;
    case Kind::SetpointIndexed:
        if (!ParseIndex(r.args, n.indexMin, n.indexMax, &index))
            return Outcome::Malformed;
        *out = Format(n.format, setpoints_[r.header + Format(" %d", index)]);
        return Outcome::Ok;
    case Kind::Input: {
        if (!r.args.empty())
            return Outcome::Malformed;
        double v = n.compute ? n.compute(*this, n.level) : n.state ? *n.state : n.level;
        *out = Format(n.format, v);
        if (!out->empty() && (*out)[0] == '-' && out->find_first_not_of("0.", 1) == std::string::npos)
            out->erase(0, 1);  // no "-0.000" from a value that rounds to zero
        return Outcome::Ok;
    }
    case Kind::Custom:
        return n.query(*this, r.args, out);
    }
    return Outcome::Unknown;
}

Outcome Model::Command(const Request &r)
{
    if (r.query || !Knows(r))
        return Outcome::Unknown;
    Node &n = nodes_[r.header];
    std::vector<std::string> items = Split(r.args, ',');
    int index = 0;
    bool on = false;
    double v = 0;
    switch (n.kind) {
    case Kind::Stored:
        if ((int)items.size() != n.fields || !AllNumbers(items, 0))
            return Outcome::Malformed;
        stored_[r.header] = Join(items, 0);
        return Outcome::Ok;
    case Kind::StoredOnOff:
        if (!ParseSwitch(r.args, &on))
            return Outcome::Malformed;
        stored_[r.header] = on ? "1" : "0";
        return Outcome::Ok;
    case Kind::StoredIndexed:
        if ((int)items.size() != n.fields + 1 || !ParseIndex(items[0], n.indexMin, n.indexMax, &index) ||
            !AllNumbers(items, 1))
            return Outcome::Malformed;
        stored_[r.header + Format(" %d", index)] = Join(items, 1);
        return Outcome::Ok;
    case Kind::Switch:
        if (!ParseSwitch(r.args, &on))
            return Outcome::Malformed;
        switches_[r.header] = on;
        return Outcome::Ok;
    case Kind::Setpoint:
        if (!ParseNumber(r.args, &v))
            return Outcome::Malformed;
        setpoints_[r.header] = v;
        return Outcome::Ok;
    case Kind::SetpointIndexed:
        if (items.size() != 2 || !ParseIndex(items[0], n.indexMin, n.indexMax, &index) || !ParseNumber(items[1], &v))
            return Outcome::Malformed;
        setpoints_[r.header + Format(" %d", index)] = v;
        return Outcome::Ok;
    case Kind::Custom:
        return n.command(*this, r.args);
    case Kind::Input:
        break;
    }
    return Outcome::Unknown;
}

// ---------------------------------------------------------------- scenario settings

bool Model::SetValue(const std::string &name, const std::string &value, std::string *error)
{
    std::string key = Upper(Trim(name));
    if (!key.empty() && key.back() == '?')
        key.pop_back();
    size_t blank = key.find(' ');
    std::string header = Trim(key.substr(0, blank));
    std::string index = blank == std::string::npos ? std::string() : Trim(key.substr(blank));
    auto it = nodes_.find(header);
    if (it == nodes_.end()) {
        *error = "no such value: " + name;
        return false;
    }
    Node &n = it->second;
    if (n.kind == Kind::Input) {
        double v = 0;
        if (!ParseNumber(value, &v) || !index.empty()) {
            *error = "not a number for " + name + ": " + value;
            return false;
        }
        n.level = v;
        if (n.state)
            *n.state = v;
        return true;
    }
    if (n.set) {
        if (n.set(*this, Trim(value)))
            return true;
        *error = "bad value for " + name + ": " + value;
        return false;
    }
    Request r;
    r.header = header;
    r.text = name + " " + value;
    r.args = index.empty() ? Trim(value) : index + "," + Trim(value);
    if (Command(r) == Outcome::Ok) {
        if (n.kind == Kind::Switch)
            Settle();
        return true;
    }
    *error = "bad value for " + name + ": " + value;
    return false;
}

bool Model::SetTiming(const std::string &key, const std::string &value, std::string *error)
{
    long v = 0;
    if (!ParseInteger(value, &v) || v < 0) {
        *error = "not a count for " + key + ": " + value;
        return false;
    }
    std::string k = Upper(Trim(key));
    if (k == "PLASMA_FAILS") {
        plasmaFails_ = v != 0;
        return true;
    }
    static const struct {
        const char *name;
        Phase Model::*phase;
    } kPhases[] = {
        {"PLASMA_PURGE", &Model::plasmaPurge_},         {"PLASMA_IGNITE", &Model::plasmaIgnite_},
        {"LENS_CALIBRATION", &Model::lensCalPhase_},    {"FLOW_ADJUST", &Model::flowAdjPhase_},
        {"XYZ_INIT", &Model::xyzInitPhase_},
    };
    for (const auto &p : kPhases) {
        std::string base = p.name;
        if (k == base + "_POLLS") {
            (this->*p.phase).polls = (int)v;
            return true;
        }
        if (k == base + "_MS") {
            (this->*p.phase).ms = (int)v;
            return true;
        }
    }
    *error = "no such timing: " + key;
    return false;
}

// A scenario describes a settled instrument: the gate valve at its end
// position, each turbo at full speed or stopped as its switches say.
void Model::Settle()
{
    gate_ = On("FRCD:BOUT:ISOV") ? 1.0 : 0.0;
    for (int i = 0; i < 3; ++i)
        speed_[i] = On(kTurboSwitch[i]) && On("FRCD:BOUT:S75ON") ? Level(kTurboSpeed[i]) : 0.0;
}

void Model::SetState(int state)
{
    nodes_["TRNS:STAT"].level = state;
}

void Model::NoteError(const std::string &entry)
{
    if (errors_.size() < 16)
        errors_.push_back(entry);
}

}  // namespace tvsim
