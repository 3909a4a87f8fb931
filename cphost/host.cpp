/*
 * host.cpp -- cphost::Host, the interface of host.h, over Host::Impl. The
 * inside is in session.cpp (loading, messages, commands), services.cpp (the
 * service callback, variables, transcript, simulator replies), hooks.cpp
 * (the plug-in's watched and timed entries), windows.cpp (what the
 * plug-in's windows hold), driver.cpp (actions), install.cpp (option file
 * and registry) and desktop_lock.cpp (one host per desktop).
 */
#include "cphost/host_impl.h"

namespace cphost {

Host::Host() : impl_(new Impl)
{
    // The host's own switch: present and 0 unless the run is offline.
    impl_->variables.emplace_back("_offline", 0.0);
}

Host::~Host()
{
    if (impl_->explicitSession)
        impl_->closeSession();
    if (impl_->simulator)
        FreeLibrary(impl_->simulator);
}

void Host::setPluginPath(const std::string &path) { impl_->pluginPath = path; }
void Host::setSimulatorPath(const std::string &path) { impl_->simulatorPath = path; }

void Host::setVariable(const std::string &name, double value)
{
    if (double *v = impl_->findVariable(name))
        *v = value;
    else
        impl_->variables.emplace_back(name, value);
}

void Host::removeVariable(const std::string &name)
{
    auto &v = impl_->variables;
    for (auto it = v.begin(); it != v.end(); ++it)
        if (it->first == name) {
            v.erase(it);
            return;
        }
}

bool Host::variable(const std::string &name, double *value) const
{
    double *v = impl_->findVariable(name);
    if (v && value)
        *value = *v;
    return v != nullptr;
}

void Host::setOption(const std::string &name, long value)
{
    for (auto &o : impl_->options)
        if (o.first == name) {
            o.second = value;
            return;
        }
    impl_->options.emplace_back(name, value);
}

void Host::clearOptions() { impl_->options.clear(); }

void Host::setScenario(const std::string &path) { impl_->scenario = path; }

void Host::addReply(const std::string &query, const std::string &replies)
{
    impl_->replies.emplace_back(query, replies);
    if (impl_->open && impl_->sim.setReply)
        impl_->sim.setReply(query.c_str(), replies.c_str());
}

void Host::clearReplies()
{
    std::vector<std::pair<std::string, std::string>> before;
    before.swap(impl_->replies);
    for (auto &r : before)
        impl_->restoreReply(r.first);
}

void Host::removeReply(const std::string &query)
{
    auto &r = impl_->replies;
    for (size_t i = r.size(); i-- > 0;)
        if (r[i].first == query) {
            r.erase(r.begin() + (ptrdiff_t)i);
            impl_->restoreReply(query);
            return;
        }
}

void Host::setMemoryImage(const std::string &loadPath, const std::string &savePath)
{
    impl_->memoryLoad = loadPath;
    impl_->memorySave = savePath;
}

void Host::setRealTime(bool realTime) { impl_->realTime = realTime; }
void Host::setActionTimeout(int milliseconds) { impl_->actionTimeout = milliseconds < 0 ? 0 : milliseconds; }
void Host::setKeepTranscript(bool keep) { impl_->keepTranscript = keep; }

void Host::setTraceSink(std::function<void(const std::string &)> sink) { impl_->sink = std::move(sink); }

int Host::run(const std::string &command, const std::vector<std::string> &args, const std::string &actions)
{
    return impl_->execute(command, args, true, actions);
}

int Host::runInteractive(const std::string &command, const std::vector<std::string> &args)
{
    return impl_->execute(command, args, false, std::string());
}

int Host::beginSession()
{
    if (impl_->explicitSession)
        return 0;
    if (impl_->running) {
        impl_->error = "a run is in progress";
        return kHostFailure;
    }
    impl_->lines.clear();
    impl_->error.clear();
    int status = impl_->openSession();
    impl_->explicitSession = status == 0;
    return status;
}

int Host::endSession()
{
    if (!impl_->explicitSession || impl_->running)
        return 0;
    impl_->error.clear();
    return impl_->closeSession();
}

bool Host::inSession() const { return impl_->explicitSession; }

int Host::applyScenario(const std::string &path)
{
    Impl &i = *impl_;
    i.error.clear();
    if (!i.explicitSession) {
        i.error = "no session is open";
        return kHostFailure;
    }
    if (!i.sim.loadScenario || i.sim.loadScenario(path.c_str()) != 0) {
        i.error = "scenario " + path + ": " + i.sim.why("cannot be loaded");
        return kHostFailure;
    }
    i.scenariosLoaded.push_back(path);
    return 0;
}

const std::vector<std::string> &Host::leftovers() const { return impl_->leftovers; }
const std::vector<std::string> &Host::transcript() const { return impl_->lines; }
const Host::Timing &Host::timing() const { return impl_->timing; }
const std::string &Host::error() const { return impl_->error; }
const std::vector<CommandInfo> &Host::commands() const { return impl_->commands; }

}  // namespace cphost
